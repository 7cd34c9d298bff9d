// Registration of the register through its fiscal drive: the registration
// and re-registration reports, the results of past registrations and their
// documents as text and as TLV. The registration history is the drive's own
// archive: every report is a document of type 1 or 11 with its tags.
#include "emulator/EmulatedRegister.h"
#include "emulator/FiscalDrive.h"

#include <QJsonArray>

#include <algorithm>

namespace emu {
namespace {

// ReportTypeInt of FNBeginRegistrationReport.
enum ReportType { NewRegistration = 0, NewDriveReregistration = 1, Reregistration = 2 };

// The re-registration reason that a report on a replacement drive carries.
constexpr int ReasonNewDrive = 1;

// Sections of the register's tables the reports read.
constexpr int FsTableParam = 72;
constexpr int AutomatTableParam = 75;
constexpr int FsFieldInn = 2;
constexpr int FsFieldRnm = 3;
constexpr int FsFieldFnSerial = 4;
constexpr int FsFieldTaxType = 5;
constexpr int FsFieldWorkMode = 6;
constexpr int FsFieldOfdInn = 12;
constexpr int FsFieldWorkModeEx = 21;
constexpr int FsFieldReasonCodeEx = 22;
constexpr int WorkModeAutomatic = 0x04;

bool isDigits(const QString &s)
{
    for (const QChar ch : s)
        if (!ch.isDigit() || ch.unicode() > 0x7F)
            return false;
    return !s.isEmpty();
}

// A refused command with the register's own words for the reason.
int refuse(Context &c, int code, const QString &why)
{
    c.description = why;
    return code;
}

int tableNumber(const Context &c, int param)
{
    const ModelParamDef *p = c.param(param);
    return p ? p->value.toInt() : 0;
}

QVariant fsValue(const Context &c, int field)
{
    const int table = tableNumber(c, FsTableParam);
    return table > 0 ? c.tableValue(table, 1, field) : QVariant();
}

// Keeps the registration data in the register's FN table, as a register does
// once the report is made.
void storeInFsTable(Context &c, const FiscalDrive &fn)
{
    const int table = tableNumber(c, FsTableParam);
    const TableDef *def = table > 0 ? c.table(table) : nullptr;
    if (!def || def->fields.size() < static_cast<std::size_t>(FsFieldWorkMode))
        return;
    c.setTableValue(table, 1, FsFieldInn, fn.registration.inn);
    c.setTableValue(table, 1, FsFieldRnm, fn.registration.rnm);
    c.setTableValue(table, 1, FsFieldFnSerial, fn.serial);
    c.setTableValue(table, 1, FsFieldTaxType, static_cast<qint64>(fn.registration.taxType));
    c.setTableValue(table, 1, FsFieldWorkMode, static_cast<qint64>(fn.registration.workMode));
}

// The inputs a report takes, checked as the drive checks them.
int readRegistration(Context &c, FnRegistration &r)
{
    r.inn = c.call.s(P::INN).trimmed();
    if (!isDigits(r.inn) || (r.inn.size() != 10 && r.inn.size() != 12))
        return refuse(c, fnerror::BadParameters, QStringLiteral("Некорректный ИНН пользователя: нужно 10 или 12 цифр"));
    r.rnm = c.call.s(P::KKTRegistrationNumber).trimmed();
    if (!isDigits(r.rnm) || r.rnm.size() > 20)
        return refuse(c, fnerror::BadParameters, QStringLiteral("Некорректный регистрационный номер ККТ: нужно от 1 до 20 цифр"));
    r.taxType = c.call.i(P::TaxType);
    if (r.taxType <= 0 || r.taxType > 0x3F)
        return refuse(c, fnerror::BadParameters, QStringLiteral("Некорректный код системы налогообложения"));
    r.workMode = c.call.i(P::WorkMode);
    if (r.workMode < 0 || r.workMode > 0xFF)
        return refuse(c, fnerror::BadParameters, QStringLiteral("Некорректный код режима работы"));
    r.ofdInn = fsValue(c, FsFieldOfdInn).toString().trimmed();
    r.workModeEx = static_cast<int>(fsValue(c, FsFieldWorkModeEx).toLongLong() & 0xFF);
    return code::Ok;
}

// Why a drive takes no registration report; empty when it does.
QString notReadyReason(const FiscalDrive &fn)
{
    if (fn.lifeState == fnphase::Ready)
        return {};
    return fn.lifeState & fnphase::FiscalModeClosed ? QStringLiteral("Фискальный режим ФН закрыт")
                                                    : QStringLiteral("ФН уже зарегистрирован");
}

// What every report needs from the drive and the register.
int canReport(Context &c, const FiscalDrive &fn)
{
    if (fn.sessionOpen)
        return refuse(c, fnerror::WrongState, QStringLiteral("Смена открыта: отчет о регистрации невозможен"));
    if (fn.freeRegistrations() <= 0)
        return refuse(c, fnerror::ResourceExhausted, QStringLiteral("Исчерпан ресурс регистраций ФН"));
    if (c.state.paperOut)
        return code::NoReceiptPaper;
    return code::Ok;
}

// The tags sent ahead of the report (FNSendTag) go into it as its own
// tags, so they are taken off the drive's pending list here.
void takeSentTags(FiscalDrive &fn, QJsonObject &tags)
{
    for (const QJsonValue &v : std::as_const(fn.pendingTags)) {
        const QJsonObject entry = v.toObject();
        tags.insert(QString::number(entry.value(u"tag").toInt()), entry.value(u"value"));
    }
    fn.pendingTags = {};
}

// Makes the report: the document with its tags, the drive in fiscal mode,
// the registration data in the FN table, the outputs and the printout.
int makeReport(Context &c, FiscalDrive &fn, const FnRegistration &r, int type, int reason, quint32 reasonEx)
{
    QJsonObject tags;
    tags.insert(QString::number(fntag::UserInn), r.inn);
    tags.insert(QString::number(fntag::OfdInn), r.ofdInn);
    tags.insert(QString::number(fntag::RegistrationNumber), r.rnm);
    tags.insert(QString::number(fntag::TaxSystems), r.taxType);
    tags.insert(fntag::WorkMode, r.workMode);
    tags.insert(fntag::WorkModeEx, r.workModeEx);
    if (r.workMode & WorkModeAutomatic) {
        const int automat = tableNumber(c, AutomatTableParam);
        if (automat > 0)
            tags.insert(QString::number(fntag::AutomatNumber), c.tableValue(automat, 1, 1).toString().trimmed());
    }
    if (type == fdtype::Reregistration) {
        tags.insert(QString::number(fntag::ReasonCode), reason);
        tags.insert(QString::number(fntag::ReasonCodeEx), static_cast<double>(reasonEx));
    }
    takeSentTags(fn, tags);

    const FnDocument &d = addDocument(c, fn, type, tags);
    fn.registration = r;
    fn.registrationsDone += 1;
    fn.lifeState = fnphase::Fiscal;
    storeInFsTable(c, fn);

    QStringList lines{QStringLiteral("ИНН %1").arg(r.inn), QStringLiteral("РН ККТ %1").arg(r.rnm),
                      QStringLiteral("СНО %1").arg(r.taxType), QStringLiteral("РЕЖИМ РАБОТЫ %1").arg(r.workMode)};
    if (type == fdtype::Reregistration)
        lines << QStringLiteral("КОД ПРИЧИНЫ ПЕРЕРЕГ. %1").arg(reason);
    printDocument(c, fn, d,
                  type == fdtype::Registration ? QStringLiteral("ОТЧЕТ О РЕГИСТРАЦИИ")
                                               : QStringLiteral("ОТЧЕТ ОБ ИЗМ. ПАРАМЕТРОВ РЕГИСТРАЦИИ"),
                  lines);
    setNumberAndSign(c, d);
    return code::Ok;
}

int fnBeginRegistrationReport(Context &c, FiscalDrive &fn)
{
    const int type = c.call.i(P::ReportTypeInt);
    int openCode = fnopen::None;
    switch (type) {
    case NewRegistration:
        openCode = fnopen::Registration;
        break;
    case NewDriveReregistration:
        openCode = fnopen::ReregistrationNewFn;
        break;
    case Reregistration:
        openCode = fnopen::Reregistration;
        break;
    default:
        return refuse(c, fnerror::BadParameters, QStringLiteral("Некорректный тип отчета: %1").arg(type));
    }
    if (fn.currentDocument != fnopen::None)
        return refuse(c, fnerror::WrongState, QStringLiteral("В ФН открыт другой документ"));
    // A new or replacement drive is registered before its fiscal mode opens;
    // a change of the data is made in the fiscal mode.
    if (type == Reregistration && !fn.inFiscalMode())
        return refuse(c, fnerror::WrongState, QStringLiteral("ФН не в фискальном режиме"));
    if (type != Reregistration && !notReadyReason(fn).isEmpty())
        return refuse(c, fnerror::WrongState, notReadyReason(fn));
    if (const int rc = canReport(c, fn))
        return rc;
    fn.currentDocument = openCode;
    fn.documentData = false;
    c.changed();
    return code::Ok;
}

int fnBuildRegistrationReport(Context &c, FiscalDrive &fn)
{
    if (const QString why = notReadyReason(fn); !why.isEmpty())
        return refuse(c, fnerror::WrongState, why);
    const int open = fn.currentDocument;
    if (open != fnopen::None && open != fnopen::Registration && open != fnopen::ReregistrationNewFn)
        return refuse(c, fnerror::WrongState, QStringLiteral("Открыт отчет другого типа"));
    if (const int rc = canReport(c, fn))
        return rc;
    FnRegistration r;
    if (const int rc = readRegistration(c, r))
        return rc;
    // On a replacement drive the report is the change of registration data
    // "replacement of the drive".
    if (open == fnopen::ReregistrationNewFn)
        return makeReport(c, fn, r, fdtype::Reregistration, ReasonNewDrive,
                          static_cast<quint32>(fsValue(c, FsFieldReasonCodeEx).toLongLong()));
    return makeReport(c, fn, r, fdtype::Registration, 0, 0);
}

int fnBuildReregistrationReport(Context &c, FiscalDrive &fn)
{
    if (!fn.inFiscalMode())
        return refuse(c, fnerror::WrongState, QStringLiteral("ФН не в фискальном режиме"));
    if (fn.currentDocument != fnopen::None && fn.currentDocument != fnopen::Reregistration)
        return refuse(c, fnerror::WrongState, QStringLiteral("Открыт отчет другого типа"));
    if (const int rc = canReport(c, fn))
        return rc;
    const int reason = c.call.i(P::RegistrationReasonCode);
    if (reason < 0 || reason > 4)
        return refuse(c, fnerror::BadParameters, QStringLiteral("Некорректный код причины перерегистрации: %1").arg(reason));
    FnRegistration r;
    if (const int rc = readRegistration(c, r))
        return rc;
    return makeReport(c, fn, r, fdtype::Reregistration, reason,
                      static_cast<quint32>(fsValue(c, FsFieldReasonCodeEx).toLongLong()));
}

void setResult(Context &c, const FnDocument &d)
{
    const auto text = [&](int tag) { return d.tag(tag).toString(); };
    c.call.set(P::INN, text(fntag::UserInn));
    c.call.set(P::INNOFD, text(fntag::OfdInn));
    c.call.set(P::KKTRegistrationNumber, text(fntag::RegistrationNumber));
    c.call.set(P::TaxType, d.tag(fntag::TaxSystems).toInt());
    c.call.set(P::WorkMode, d.tags.value(fntag::WorkMode).toInt());
    c.call.set(P::WorkModeEx, d.tags.value(fntag::WorkModeEx).toInt());
    c.call.set(P::RegistrationReasonCode, d.tag(fntag::ReasonCode).toInt());
    c.call.set(P::RegistrationReasonCodeEx, static_cast<int>(static_cast<quint32>(d.tag(fntag::ReasonCodeEx).toDouble())));
    setDateTime(c, P::Date, P::Time, d.time);
    setNumberAndSign(c, d);
}

int fnGetFiscalizationResult(Context &c, FiscalDrive &fn)
{
    const auto all = fn.registrations();
    if (all.empty())
        return refuse(c, fnerror::NoData, QStringLiteral("ФН не зарегистрирован"));
    setResult(c, *all.back());
    return code::Ok;
}

const FnDocument *requestedRegistration(Context &c, const FiscalDrive &fn)
{
    const FnDocument *d = fn.registrationReport(c.call.i(P::RegistrationNumber));
    if (!d)
        refuse(c, fnerror::NoData, QStringLiteral("Нет регистрации с номером %1").arg(c.call.i(P::RegistrationNumber)));
    return d;
}

int fnGetFiscalizationResultByNumber(Context &c, FiscalDrive &fn)
{
    const FnDocument *d = requestedRegistration(c, fn);
    if (!d)
        return fnerror::NoData;
    setResult(c, *d);
    return code::Ok;
}

// A tag of a registration document: its number, how its value is written,
// its printed name and its value.
enum class TagKind { Text, Byte, UInt32, UnixTime };
struct Tag {
    int number;
    TagKind kind;
    QString name;
    QVariant value;
};

// The drive's documents keep their texts in code page 866.
QByteArray toCp866(const QString &text)
{
    QByteArray out;
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80)
            out.append(static_cast<char>(u));
        else if (u >= u'А' && u <= u'п')
            out.append(static_cast<char>(0x80 + (u - u'А')));
        else if (u >= u'р' && u <= u'я')
            out.append(static_cast<char>(0xE0 + (u - u'р')));
        else if (u == u'Ё')
            out.append(static_cast<char>(0xF0));
        else if (u == u'ё')
            out.append(static_cast<char>(0xF1));
        else
            out.append('?');
    }
    return out;
}

QByteArray littleEndian(quint32 value, int size)
{
    QByteArray out;
    for (int i = 0; i < size; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    return out;
}

QByteArray tlv(const Tag &t)
{
    QByteArray value;
    switch (t.kind) {
    case TagKind::Text:
        value = toCp866(t.value.toString());
        break;
    case TagKind::Byte:
        value = littleEndian(t.value.toUInt(), 1);
        break;
    case TagKind::UInt32:
        value = littleEndian(static_cast<quint32>(t.value.toLongLong()), 4);
        break;
    case TagKind::UnixTime:
        value = littleEndian(static_cast<quint32>(t.value.toDateTime().toSecsSinceEpoch()), 4);
        break;
    }
    return littleEndian(static_cast<quint32>(t.number), 2) + littleEndian(static_cast<quint32>(value.size()), 2) + value;
}

QString valueText(const Tag &t)
{
    switch (t.kind) {
    case TagKind::UnixTime:
        return t.value.toDateTime().toString(QStringLiteral("dd.MM.yyyy hh:mm"));
    case TagKind::UInt32:
        return QString::number(static_cast<quint32>(t.value.toLongLong()));
    default:
        return t.value.toString();
    }
}

// The tags of a registration document in the order the drive keeps them.
std::vector<Tag> registrationTags(const FiscalDrive &fn, const FnDocument &d)
{
    const auto text = [&](int tag) { return d.tag(tag).toString(); };
    std::vector<Tag> out{
        {fntag::DateTime, TagKind::UnixTime, QStringLiteral("ДАТА, ВРЕМЯ"), d.time},
        {fntag::DocumentNumber, TagKind::UInt32, QStringLiteral("ФД"), static_cast<qint64>(d.number)},
        {fntag::FiscalSign, TagKind::UInt32, QStringLiteral("ФП"), static_cast<qint64>(d.fiscalSign)},
        {fntag::FnSerial, TagKind::Text, QStringLiteral("ФН"), fn.serial},
        {fntag::UserInn, TagKind::Text, QStringLiteral("ИНН ПОЛЬЗ."), text(fntag::UserInn)},
        {fntag::RegistrationNumber, TagKind::Text, QStringLiteral("РН ККТ"), text(fntag::RegistrationNumber)},
        {fntag::OfdInn, TagKind::Text, QStringLiteral("ИНН ОФД"), text(fntag::OfdInn)},
        {fntag::TaxSystems, TagKind::Byte, QStringLiteral("СНО"), d.tag(fntag::TaxSystems).toInt()},
    };
    struct Flag {
        int number;
        const char *name;
        const QString &key;
        int bit;
    };
    static const Flag Flags[] = {
        {1056, "ПРИЗН. ШИФР.", fntag::WorkMode, 0},       {1002, "АВТОНОМН. РЕЖИМ", fntag::WorkMode, 1},
        {1001, "АВТОМАТ. РЕЖИМ", fntag::WorkMode, 2},     {1109, "ПРИЗН. УСЛУГ", fntag::WorkMode, 3},
        {1110, "ПРИЗН. АС БСО", fntag::WorkMode, 4},      {1108, "ПРИЗН. ККТ ДЛЯ ИНТЕРНЕТ", fntag::WorkMode, 5},
        {1207, "ПРИЗН. ПОДАКЦ. ТОВАРА", fntag::WorkModeEx, 0}, {1193, "ПРИЗН. АЗАРТН. ИГРЫ", fntag::WorkModeEx, 1},
        {1126, "ПРИЗН. ЛОТЕРЕИ", fntag::WorkModeEx, 2},   {1221, "ПРИЗН. ПРИНТЕРА В АВТОМАТЕ", fntag::WorkModeEx, 3},
    };
    for (const Flag &f : Flags)
        out.push_back({f.number, TagKind::Byte, QString::fromUtf8(f.name), (d.tags.value(f.key).toInt() >> f.bit) & 1});
    const QString automat = QString::number(fntag::AutomatNumber);
    if (d.tags.contains(automat))
        out.push_back({fntag::AutomatNumber, TagKind::Text, QStringLiteral("НОМЕР АВТОМАТА"), text(fntag::AutomatNumber)});
    if (d.type == fdtype::Reregistration) {
        out.push_back({fntag::ReasonCode, TagKind::Byte, QStringLiteral("КОД ПРИЧИНЫ ПЕРЕРЕГ."), d.tag(fntag::ReasonCode).toInt()});
        out.push_back({fntag::ReasonCodeEx, TagKind::UInt32, QStringLiteral("КОДЫ ПРИЧИН ИЗМ. СВЕДЕНИЙ О ККТ"),
                       static_cast<qint64>(d.tag(fntag::ReasonCodeEx).toDouble())});
    }
    // Tags sent ahead of the report, not among the above.
    for (auto it = d.tags.begin(); it != d.tags.end(); ++it) {
        bool isNumber = false;
        const int number = it.key().toInt(&isNumber);
        if (!isNumber || std::any_of(out.begin(), out.end(), [number](const Tag &t) { return t.number == number; }))
            continue;
        if (number == fntag::ReasonCode || number == fntag::ReasonCodeEx)
            continue;
        const QJsonValue v = it.value();
        out.push_back({number, v.isString() ? TagKind::Text : TagKind::Byte, QStringLiteral("ТЕГ %1").arg(number),
                       v.isString() ? QVariant(v.toString()) : QVariant(v.toInt())});
    }
    return out;
}

QString documentText(const FiscalDrive &fn, const FnDocument &d, bool showTagNumbers)
{
    QStringList lines{d.type == fdtype::Registration ? QStringLiteral("ОТЧЕТ О РЕГИСТРАЦИИ")
                                                     : QStringLiteral("ОТЧЕТ ОБ ИЗМ. ПАРАМЕТРОВ РЕГИСТРАЦИИ")};
    for (const Tag &t : registrationTags(fn, d)) {
        const QString line = QStringLiteral("%1: %2").arg(t.name, valueText(t));
        lines << (showTagNumbers ? QStringLiteral("[%1] %2").arg(t.number).arg(line) : line);
    }
    return lines.join(QLatin1Char('\n'));
}

// RequestDocumentType 1: the registration numbered RegistrationNumber.
int fnGetDocumentAsString(Context &c, FiscalDrive &fn)
{
    if (c.call.i(P::RequestDocumentType) != 1)
        return refuse(c, fnerror::BadParameters, QStringLiteral("Поддерживается только запрос документа о регистрации"));
    const FnDocument *d = requestedRegistration(c, fn);
    if (!d)
        return fnerror::NoData;
    c.call.set(P::StringForPrinting, documentText(fn, *d, c.call.b(P::ShowTagNumber)));
    return code::Ok;
}

int fnRequestRegistrationTLV(Context &c, FiscalDrive &fn)
{
    const FnDocument *d = requestedRegistration(c, fn);
    if (!d)
        return fnerror::NoData;
    const int number = c.call.i(P::TagNumber);
    for (const Tag &t : registrationTags(fn, *d)) {
        if (t.number == number) {
            c.call.set(P::TLVData, tlv(t));
            return code::Ok;
        }
    }
    return refuse(c, fnerror::NoData, QStringLiteral("В документе о регистрации нет тега %1").arg(number));
}

} // namespace

void addFnRegistrationHandlers(HandlerTable &t)
{
    t.add(MethodId::FNBeginRegistrationReport, onDrive(fnBeginRegistrationReport));
    t.add(MethodId::FNBuildRegistrationReport, onDrive(fnBuildRegistrationReport));
    t.add(MethodId::FNBuildReregistrationReport, onDrive(fnBuildReregistrationReport));
    t.add(MethodId::FNGetFiscalizationResult, onDrive(fnGetFiscalizationResult));
    t.add(MethodId::FNGetFiscalizationResultByNumber, onDrive(fnGetFiscalizationResultByNumber));
    t.add(MethodId::FNGetDocumentAsString, onDrive(fnGetDocumentAsString));
    t.add(MethodId::FNRequestRegistrationTLV, onDrive(fnRequestRegistrationTLV));
}

} // namespace emu
