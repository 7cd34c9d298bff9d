#include "emulator/FiscalDrive.h"

#include "emulator/EmulatedRegister.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>

#include <algorithm>

namespace emu {
namespace {

const QString SectionKey = QStringLiteral("fn");

QString timeText(const QDateTime &t) { return t.toString(Qt::ISODateWithMs); }
QDateTime timeFrom(const QJsonValue &v) { return QDateTime::fromString(v.toString(), Qt::ISODateWithMs); }

QString newFnSerial()
{
    QString s = QStringLiteral("99");
    for (int i = 0; i < 14; ++i)
        s += QChar(u'0' + QRandomGenerator::global()->bounded(10));
    return s;
}

// The drive's signature of a document: FNV-1a over what identifies it. Stable
// across runs, and spread over all 32 bits.
quint32 fiscalSignOf(const QString &serial, quint32 number, int type, const QDateTime &time)
{
    const QByteArray data = QStringLiteral("%1|%2|%3|%4").arg(serial).arg(number).arg(type).arg(timeText(time)).toUtf8();
    quint32 h = 2166136261u;
    for (const char ch : data) {
        h ^= static_cast<quint8>(ch);
        h *= 16777619u;
    }
    return h;
}

// Bytes a document takes in the drive's memory (a rough figure).
int sizeOf(const FnDocument &d)
{
    return 64 + static_cast<int>(QJsonDocument(d.tags).toJson(QJsonDocument::Compact).size());
}

} // namespace

QJsonObject FnDocument::toJson() const
{
    QJsonObject o;
    o.insert(u"number", static_cast<double>(number));
    o.insert(u"type", type);
    o.insert(u"time", timeText(time));
    o.insert(u"fiscalSign", static_cast<double>(fiscalSign));
    o.insert(u"ofdTicket", ofdTicket);
    o.insert(u"tags", tags);
    return o;
}

FnDocument FnDocument::fromJson(const QJsonObject &o)
{
    FnDocument d;
    d.number = static_cast<quint32>(o.value(u"number").toDouble());
    d.type = o.value(u"type").toInt();
    d.time = timeFrom(o.value(u"time"));
    d.fiscalSign = static_cast<quint32>(o.value(u"fiscalSign").toDouble());
    d.ofdTicket = o.value(u"ofdTicket").toBool();
    d.tags = o.value(u"tags").toObject();
    return d;
}

FiscalDrive FiscalDrive::newDrive(const QDateTime &now)
{
    FiscalDrive fn;
    fn.serial = newFnSerial();
    fn.softVersion = QStringLiteral("fn v.2.41 emul");
    fn.softType = 0;
    fn.implementation = QStringLiteral("ФН-1.2 эмулятор");
    fn.expiry = QDateTime(now.date().addMonths(36), QTime(0, 0));
    return fn;
}

FiscalDrive FiscalDrive::load(const RegisterState &state, const QDateTime &now, bool *created)
{
    const QJsonValue v = state.sections.value(SectionKey);
    if (created)
        *created = !v.isObject();
    return v.isObject() ? fromJson(v.toObject()) : newDrive(now);
}

void FiscalDrive::store(RegisterState &state) const { state.sections.insert(SectionKey, toJson()); }

QJsonObject FiscalDrive::toJson() const
{
    QJsonObject o;
    o.insert(u"serial", serial);
    o.insert(u"softVersion", softVersion);
    o.insert(u"softType", softType);
    o.insert(u"implementation", implementation);
    o.insert(u"ffdVersion", ffdVersion);
    o.insert(u"lifeState", lifeState);
    o.insert(u"currentDocument", currentDocument);
    o.insert(u"documentData", documentData);
    o.insert(u"sessionOpen", sessionOpen);
    o.insert(u"sessionNumber", sessionNumber);
    o.insert(u"receiptNumber", receiptNumber);
    o.insert(u"warningFlags", warningFlags);
    o.insert(u"expiry", timeText(expiry));
    o.insert(u"registrationLimit", registrationLimit);
    o.insert(u"registrationsDone", registrationsDone);
    o.insert(u"fiveYearCapacity", fiveYearCapacity);
    o.insert(u"thirtyDayCapacity", thirtyDayCapacity);
    o.insert(u"markingFillPercentage", markingFillPercentage);
    o.insert(u"notificationSize", notificationSize);
    o.insert(u"osuSupportStatus", osuSupportStatus);
    o.insert(u"keysUpdated", timeText(keysUpdated));
    o.insert(u"okpLink", okpLink);
    o.insert(u"lastKeysResult", lastKeysResult);
    o.insert(u"lastKeysStatus", lastKeysStatus);
    QJsonObject reg;
    reg.insert(u"inn", registration.inn);
    reg.insert(u"ofdInn", registration.ofdInn);
    reg.insert(u"rnm", registration.rnm);
    reg.insert(u"taxType", registration.taxType);
    reg.insert(u"workMode", registration.workMode);
    reg.insert(u"workModeEx", registration.workModeEx);
    o.insert(u"registration", reg);
    QJsonArray docs;
    for (const FnDocument &d : documents)
        docs.append(d.toJson());
    o.insert(u"documents", docs);
    o.insert(u"pendingTags", pendingTags);
    o.insert(u"composite", composite);
    return o;
}

FiscalDrive FiscalDrive::fromJson(const QJsonObject &o)
{
    FiscalDrive fn;
    fn.serial = o.value(u"serial").toString();
    fn.softVersion = o.value(u"softVersion").toString();
    fn.softType = o.value(u"softType").toInt();
    fn.implementation = o.value(u"implementation").toString();
    fn.ffdVersion = o.value(u"ffdVersion").toInt(4);
    fn.lifeState = o.value(u"lifeState").toInt(fnphase::Ready);
    fn.currentDocument = o.value(u"currentDocument").toInt();
    fn.documentData = o.value(u"documentData").toBool();
    fn.sessionOpen = o.value(u"sessionOpen").toBool();
    fn.sessionNumber = o.value(u"sessionNumber").toInt();
    fn.receiptNumber = o.value(u"receiptNumber").toInt();
    fn.warningFlags = o.value(u"warningFlags").toInt();
    fn.expiry = timeFrom(o.value(u"expiry"));
    fn.registrationLimit = o.value(u"registrationLimit").toInt(30);
    fn.registrationsDone = o.value(u"registrationsDone").toInt();
    fn.fiveYearCapacity = o.value(u"fiveYearCapacity").toInt(250000);
    fn.thirtyDayCapacity = o.value(u"thirtyDayCapacity").toInt(512);
    fn.markingFillPercentage = o.value(u"markingFillPercentage").toInt();
    fn.notificationSize = o.value(u"notificationSize").toInt();
    fn.osuSupportStatus = o.value(u"osuSupportStatus").toInt();
    fn.keysUpdated = timeFrom(o.value(u"keysUpdated"));
    fn.okpLink = o.value(u"okpLink").toBool(true);
    fn.lastKeysResult = o.value(u"lastKeysResult").toInt(KeysNotNeeded);
    fn.lastKeysStatus = o.value(u"lastKeysStatus").toInt();
    const QJsonObject reg = o.value(u"registration").toObject();
    fn.registration.inn = reg.value(u"inn").toString();
    fn.registration.ofdInn = reg.value(u"ofdInn").toString();
    fn.registration.rnm = reg.value(u"rnm").toString();
    fn.registration.taxType = reg.value(u"taxType").toInt();
    fn.registration.workMode = reg.value(u"workMode").toInt();
    fn.registration.workModeEx = reg.value(u"workModeEx").toInt();
    for (const QJsonValue &d : o.value(u"documents").toArray())
        fn.documents.push_back(FnDocument::fromJson(d.toObject()));
    fn.pendingTags = o.value(u"pendingTags").toArray();
    fn.composite = o.value(u"composite").toObject();
    return fn;
}

const FnDocument *FiscalDrive::find(quint32 number) const
{
    for (const FnDocument &d : documents)
        if (d.number == number)
            return &d;
    return nullptr;
}

std::vector<const FnDocument *> FiscalDrive::registrations() const
{
    std::vector<const FnDocument *> out;
    for (const FnDocument &d : documents)
        if (d.type == fdtype::Registration || d.type == fdtype::Reregistration)
            out.push_back(&d);
    return out;
}

const FnDocument *FiscalDrive::registrationReport(int ordinal) const
{
    const auto all = registrations();
    return ordinal >= 1 && ordinal <= static_cast<int>(all.size()) ? all[static_cast<std::size_t>(ordinal - 1)] : nullptr;
}

int FiscalDrive::unsentCount() const
{
    int n = 0;
    for (const FnDocument &d : documents)
        n += d.ofdTicket ? 0 : 1;
    return n;
}

const FnDocument *FiscalDrive::firstUnsent() const
{
    for (const FnDocument &d : documents)
        if (!d.ofdTicket)
            return &d;
    return nullptr;
}

FnDocument &FiscalDrive::addDocument(int type, const QDateTime &time, const QJsonObject &tags)
{
    FnDocument d;
    d.number = lastDocumentNumber() + 1;
    d.type = type;
    d.time = time;
    d.tags = tags;
    if (!pendingTags.isEmpty())
        d.tags.insert(fntag::Sent, pendingTags);
    d.fiscalSign = fiscalSignOf(serial, d.number, type, time);
    documents.push_back(std::move(d));
    cancelDocument();
    lifeState &= ~fnphase::TransferFinished;
    return documents.back();
}

void FiscalDrive::cancelDocument()
{
    currentDocument = fnopen::None;
    documentData = false;
    pendingTags = {};
    composite = {};
}

void FiscalDrive::confirmUpTo(quint32 number)
{
    for (FnDocument &d : documents)
        if (d.number <= number)
            d.ofdTicket = true;
    if ((lifeState & fnphase::FiscalModeClosed) && unsentCount() == 0)
        lifeState |= fnphase::TransferFinished;
}

int FiscalDrive::fiveYearResource() const
{
    return std::max(0, fiveYearCapacity - static_cast<int>(documents.size()));
}

int FiscalDrive::thirtyDayResource() const
{
    qint64 bytes = 0;
    for (const FnDocument &d : documents)
        if (!d.ofdTicket)
            bytes += sizeOf(d);
    return std::max(0, thirtyDayCapacity - static_cast<int>((bytes + 1023) / 1024));
}

int FiscalDrive::documentSize() const
{
    const FnDocument *d = firstUnsent();
    return d ? sizeOf(*d) : 0;
}

int FiscalDrive::updateKeys(const QDateTime &now)
{
    int result = 0;
    if (!okpLink) {
        result = KeysNoLink;
    } else if (keysUpdated.isValid()) {
        result = KeysNotNeeded;
    } else {
        result = 2; // the drive holds two check keys
        keysUpdated = now;
    }
    lastKeysResult = result == KeysNoLink || result == KeysNotNeeded ? result : 0;
    lastKeysStatus = lastKeysResult == 0 ? result << 2 : 0;
    return result;
}

void setUpdateKeysOutputs(Context &c)
{
    if (!c.model.hasFiscalDrive) {
        c.call.set(P::UpdateKeysResultCode, 0);
        c.call.set(P::UpdateKeysStatus, 0);
        return;
    }
    const FiscalDrive fn = FiscalDrive::load(c.state, c.now());
    c.call.set(P::UpdateKeysResultCode, fn.lastKeysResult);
    c.call.set(P::UpdateKeysStatus, fn.lastKeysStatus);
}

bool fnUpdateKeysCommand(Context &c, QByteArray &answer)
{
    if (!c.model.hasFiscalDrive)
        return false;
    FiscalDrive fn = FiscalDrive::load(c.state, c.now());
    answer.append(static_cast<char>(fn.updateKeys(c.now())));
    fn.store(c.state);
    c.changed();
    return true;
}

} // namespace emu
