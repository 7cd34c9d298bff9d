// Fiscal drive commands: status and identity of the drive, its shift and
// service reports, document search. A register without a drive (fiscal
// memory models) does not know them.
#include "emulator/EmulatedRegister.h"
#include "emulator/FiscalDrive.h"

namespace emu {

Handler onDrive(DriveBody body)
{
    return [body](Context &c) {
        if (!c.model.hasFiscalDrive)
            return code::NotSupported;
        bool created = false;
        FiscalDrive fn = FiscalDrive::load(c.state, c.now(), &created);
        const int result = body(c, fn);
        if (created || c.dirty) {
            fn.store(c.state);
            c.changed();
        }
        return result;
    };
}

void setNumberAndSign(Context &c, const FnDocument &d)
{
    // Both may exceed 2^31: the properties carry the same 32 bits.
    c.call.set(P::DocumentNumber, static_cast<int>(d.number));
    c.call.set(P::FiscalSign, static_cast<int>(d.fiscalSign));
    c.call.set(P::FiscalSignAsString, QString::number(d.fiscalSign));
}

int canBegin(const FiscalDrive &fn, int openCode)
{
    if (!fn.inFiscalMode())
        return fnerror::WrongState;
    if (fn.currentDocument != fnopen::None && fn.currentDocument != openCode)
        return fnerror::WrongState;
    return code::Ok;
}

int beginDocument(Context &c, FiscalDrive &fn, int openCode)
{
    if (const int rc = canBegin(fn, openCode))
        return rc;
    fn.currentDocument = openCode;
    fn.documentData = false;
    c.changed();
    return code::Ok;
}

void printDocument(Context &c, const FiscalDrive &fn, const FnDocument &d, const QString &title,
                   const QStringList &lines)
{
    c.print(title);
    for (const QString &line : lines)
        c.print(line);
    c.print(d.time.toString(QStringLiteral("dd.MM.yy hh:mm")));
    c.print(QStringLiteral("ФН %1").arg(fn.serial));
    c.print(QStringLiteral("ФД %1 ФП %2").arg(d.number).arg(d.fiscalSign));
}

// The register shows the drive's last document as its own.
FnDocument &addDocument(Context &c, FiscalDrive &fn, int type, const QJsonObject &tags)
{
    FnDocument &d = fn.addDocument(type, c.now(), tags);
    c.state.documentNumber = static_cast<int>(d.number);
    c.changed();
    return d;
}

void setDateTime(Context &c, P date, P time, const QDateTime &value)
{
    c.call.set(date, value.isValid() ? QDateTime(value.date(), QTime(0, 0)) : QDateTime());
    c.call.set(time, value);
}

namespace {

bool sessionOpen(const RegisterState &s) { return s.ecrMode == 2 || s.ecrMode == 3; }

int fnGetStatus(Context &c, FiscalDrive &fn)
{
    c.call.set(P::FNLifeState, fn.lifeState);
    c.call.set(P::FNCurrentDocument, fn.currentDocument);
    c.call.set(P::FNDocumentData, fn.documentData ? 1 : 0);
    c.call.set(P::FNSessionState, fn.sessionOpen ? 1 : 0);
    c.call.set(P::FNWarningFlags, fn.warningFlags);
    setDateTime(c, P::Date, P::Time, c.now());
    c.call.set(P::SerialNumber, fn.serial);
    c.call.set(P::DocumentNumber, static_cast<int>(fn.lastDocumentNumber()));
    return code::Ok;
}

int fnGetSerial(Context &c, FiscalDrive &fn)
{
    c.call.set(P::SerialNumber, fn.serial);
    return code::Ok;
}

int fnGetExpirationTime(Context &c, FiscalDrive &fn)
{
    c.call.set(P::Date, fn.expiry);
    c.call.set(P::FreeRegistration, fn.freeRegistrations());
    c.call.set(P::RegistrationNumber, fn.registrationsDone);
    return code::Ok;
}

int fnGetVersion(Context &c, FiscalDrive &fn)
{
    c.call.set(P::FNSoftVersion, fn.softVersion);
    c.call.set(P::FNSoftType, fn.softType);
    return code::Ok;
}

int fnGetImplementation(Context &c, FiscalDrive &fn)
{
    c.call.set(P::FNImplementation, fn.implementation);
    return code::Ok;
}

int fnGetDocumentSize(Context &c, FiscalDrive &fn)
{
    c.call.set(P::DocumentSize, fn.documentSize());
    c.call.set(P::NotificationSize, fn.notificationSize);
    return code::Ok;
}

int fnGetOSUSupportStatus(Context &c, FiscalDrive &fn)
{
    c.call.set(P::FNOSUSupportStatus, fn.osuSupportStatus);
    return code::Ok;
}

int fnGetFreeMemoryResource(Context &c, FiscalDrive &fn)
{
    c.call.set(P::FN5YearResource, fn.fiveYearResource());
    c.call.set(P::FN30DayResource, fn.thirtyDayResource());
    c.call.set(P::FNMarkingFillPercentage, fn.markingFillPercentage);
    return code::Ok;
}

int fnCountersSync(Context &, FiscalDrive &) { return code::Ok; }

int fnBeginOpenSession(Context &c, FiscalDrive &fn)
{
    if (fn.sessionOpen)
        return fnerror::WrongState;
    return beginDocument(c, fn, fnopen::OpenSession);
}

int fnBeginCloseSession(Context &c, FiscalDrive &fn)
{
    if (!fn.sessionOpen)
        return fnerror::WrongState;
    return beginDocument(c, fn, fnopen::CloseSession);
}

int fnBeginCalculationStateReport(Context &c, FiscalDrive &fn)
{
    return beginDocument(c, fn, fnopen::CalculationReport);
}

int fnBuildCalculationStateReport(Context &c, FiscalDrive &fn)
{
    if (const int rc = canBegin(fn, fnopen::CalculationReport))
        return rc;
    if (c.state.paperOut)
        return code::NoReceiptPaper;
    const int unsent = fn.unsentCount();
    const FnDocument *first = fn.firstUnsent();
    const QDateTime firstTime = first ? first->time : QDateTime();
    QJsonObject tags;
    tags.insert(QString::number(fntag::UnconfirmedCount), unsent);
    tags.insert(QString::number(fntag::FirstUnconfirmedDate), firstTime.toString(Qt::ISODate));
    const FnDocument &d = addDocument(c, fn, fdtype::CalculationReport, tags);
    printDocument(c, fn, d, QStringLiteral("ОТЧЕТ О ТЕКУЩЕМ СОСТОЯНИИ РАСЧЕТОВ"),
                  {QStringLiteral("НЕПЕРЕДАННЫХ ФД: %1").arg(unsent)});
    setNumberAndSign(c, d);
    c.call.set(P::DocumentCount, unsent);
    setDateTime(c, P::Date, P::Time, firstTime);
    return code::Ok;
}

int fnGetCurrentSessionParams(Context &c, FiscalDrive &fn)
{
    c.call.set(P::SessionNumber, fn.sessionNumber);
    c.call.set(P::FNSessionState, fn.sessionOpen ? 1 : 0);
    c.call.set(P::ReceiptNumber, fn.receiptNumber);
    return code::Ok;
}

// Back to a drive fresh from the factory with the same identity; only a
// debug drive takes it.
int fnResetState(Context &c, FiscalDrive &fn)
{
    const int request = c.call.i(P::RequestType);
    if (request < 0 || request > 255)
        return fnerror::BadParameters;
    if (fn.softType != 0)
        return fnerror::UnknownCommand;
    FiscalDrive fresh = FiscalDrive::newDrive(c.now());
    fresh.serial = fn.serial;
    fresh.softVersion = fn.softVersion;
    fresh.softType = fn.softType;
    fresh.implementation = fn.implementation;
    fn = std::move(fresh);
    if (sessionOpen(c.state))
        c.state.ecrMode = 4;
    c.changed();
    return code::Ok;
}

int fnCancelDocument(Context &c, FiscalDrive &fn)
{
    fn.cancelDocument();
    c.changed();
    return code::Ok;
}

int fnBeginCloseFiscalMode(Context &c, FiscalDrive &fn)
{
    if (fn.sessionOpen)
        return fnerror::WrongState;
    return beginDocument(c, fn, fnopen::CloseFiscalMode);
}

int fnCloseFiscalMode(Context &c, FiscalDrive &fn)
{
    if (const int rc = canBegin(fn, fnopen::CloseFiscalMode))
        return rc;
    if (fn.sessionOpen)
        return fnerror::WrongState;
    if (c.state.paperOut)
        return code::NoReceiptPaper;
    QJsonObject tags;
    tags.insert(QString::number(fntag::UserInn), fn.registration.inn);
    tags.insert(QString::number(fntag::RegistrationNumber), fn.registration.rnm);
    const FnDocument &d = addDocument(c, fn, fdtype::CloseFiscalMode, tags);
    fn.lifeState = fnphase::Closed;
    printDocument(c, fn, d, QStringLiteral("ОТЧЕТ О ЗАКРЫТИИ ФН"),
                  {QStringLiteral("ИНН %1").arg(fn.registration.inn), QStringLiteral("РН ККТ %1").arg(fn.registration.rnm)});
    setNumberAndSign(c, d);
    return code::Ok;
}

int fnFindDocument(Context &c, FiscalDrive &fn)
{
    const FnDocument *d = fn.find(static_cast<quint32>(c.call.i(P::DocumentNumber)));
    if (!d)
        return fnerror::NoData;
    c.call.set(P::DocumentType, d->type);
    c.call.set(P::OFDTicketReceived, d->ofdTicket);
    setDateTime(c, P::Date, P::Time, d->time);
    setNumberAndSign(c, *d);
    const auto text = [&](int tag) { return d->tag(tag).toString(); };
    const auto number = [&](int tag) { return d->tag(tag).toInt(); };
    switch (d->type) {
    case fdtype::Registration:
    case fdtype::Reregistration:
        c.call.set(P::INN, text(fntag::UserInn));
        c.call.set(P::INNOFD, text(fntag::OfdInn));
        c.call.set(P::KKTRegistrationNumber, text(fntag::RegistrationNumber));
        c.call.set(P::TaxType, number(fntag::TaxSystems));
        c.call.set(P::WorkMode, d->tags.value(fntag::WorkMode).toInt());
        c.call.set(P::WorkModeEx, d->tags.value(fntag::WorkModeEx).toInt());
        if (d->type == fdtype::Reregistration) {
            c.call.set(P::RegistrationReasonCode, number(fntag::ReasonCode));
            c.call.set(P::RegistrationReasonCodeEx, static_cast<int>(static_cast<quint32>(d->tag(fntag::ReasonCodeEx).toDouble())));
        }
        break;
    case fdtype::OpenSession:
    case fdtype::CloseSession:
        c.call.set(P::SessionNumber, number(fntag::SessionNumber));
        break;
    case fdtype::Receipt:
    case fdtype::Bso:
    case fdtype::CorrectionReceipt:
    case fdtype::BsoCorrection:
        c.call.set(P::OperationType, number(fntag::OperationType));
        c.call.set(P::Summ1, text(fntag::Total).toLongLong());
        break;
    case fdtype::CloseFiscalMode:
        c.call.set(P::INN, text(fntag::UserInn));
        c.call.set(P::KKTRegistrationNumber, text(fntag::RegistrationNumber));
        break;
    case fdtype::CalculationReport:
        c.call.set(P::DocumentCount, number(fntag::UnconfirmedCount));
        setDateTime(c, P::Date2, P::Time2, QDateTime::fromString(text(fntag::FirstUnconfirmedDate), Qt::ISODate));
        break;
    default:
        break;
    }
    return code::Ok;
}

// The text of a receipt's QR code.
int fnReadFiscalBarcode(Context &c, FiscalDrive &fn)
{
    const FnDocument *d = fn.find(static_cast<quint32>(c.call.i(P::DocumentNumber)));
    if (!d)
        return fnerror::NoData;
    switch (d->type) {
    case fdtype::Receipt:
    case fdtype::Bso:
    case fdtype::CorrectionReceipt:
    case fdtype::BsoCorrection:
        break;
    default:
        return fnerror::BadParameters;
    }
    const qint64 total = d->tag(fntag::Total).toString().toLongLong(); // ten-thousandths
    const qint64 kopecks = (total + (total >= 0 ? 50 : -50)) / 100;
    c.call.set(P::BarCode, QStringLiteral("t=%1&s=%2.%3&fn=%4&i=%5&fp=%6&n=%7")
                               .arg(d->time.toString(QStringLiteral("yyyyMMddThhmm")))
                               .arg(kopecks / 100)
                               .arg(qAbs(kopecks % 100), 2, 10, QLatin1Char('0'))
                               .arg(fn.serial)
                               .arg(d->number)
                               .arg(d->fiscalSign)
                               .arg(d->tag(fntag::OperationType).toInt()));
    return code::Ok;
}

// The drive's exchange with the OFD: how many documents wait for the OFD's
// confirmation and the first of them. Nothing is connected: the register
// has no OFD of its own, documents leave the queue only when confirmed.
int fnGetInfoExchangeStatus(Context &c, FiscalDrive &fn)
{
    constexpr int MessageWaiting = 0x02;
    const FnDocument *first = fn.firstUnsent();
    c.call.set(P::InfoExchangeStatus, first ? MessageWaiting : 0);
    c.call.set(P::MessageState, 0);
    c.call.set(P::MessageCount, fn.unsentCount());
    c.call.set(P::DocumentNumber, first ? static_cast<int>(first->number) : 0);
    setDateTime(c, P::Date, P::Time, first ? first->time : QDateTime());
    return code::Ok;
}

// Opens the shift; on a register with a drive this is the drive's session
// open report, and the marking-code check keys are brought up to date.
int openSession(Context &c)
{
    RegisterState &s = c.state;
    if (sessionOpen(s))
        return SessionIsOpen;
    if (s.ecrMode != 4)
        return code::BadMode;
    if (s.paperOut)
        return code::NoReceiptPaper;
    if (c.model.hasFiscalDrive) {
        FiscalDrive fn = FiscalDrive::load(s, c.now());
        if (const int rc = canBegin(fn, fnopen::OpenSession))
            return rc;
        if (fn.sessionOpen)
            return fnerror::WrongState;
        const int session = fn.sessionNumber + 1;
        QJsonObject tags;
        tags.insert(QString::number(fntag::SessionNumber), session);
        FnDocument &d = addDocument(c, fn, fdtype::OpenSession, tags);
        fn.sessionNumber = session;
        fn.sessionOpen = true;
        fn.receiptNumber = 0;
        fn.updateKeys(c.now());
        printDocument(c, fn, d, QStringLiteral("ОТЧЕТ ОБ ОТКРЫТИИ СМЕНЫ"), {QStringLiteral("СМЕНА %1").arg(session)});
        c.call.set(P::UpdateKeysResultCode, fn.lastKeysResult);
        c.call.set(P::UpdateKeysStatus, fn.lastKeysStatus);
        fn.store(s);
    } else {
        c.print(QStringLiteral("ОТКРЫТИЕ СМЕНЫ %1").arg(s.sessionNumber + 1));
    }
    s.previousMode = s.ecrMode;
    s.ecrMode = 2;
    c.changed();
    return code::Ok;
}

// The session-closing report (Z report): closes the shift, and the drive's
// session with its close report.
int printReportWithCleaning(Context &c)
{
    RegisterState &s = c.state;
    if (!sessionOpen(s))
        return SessionIsClosed;
    if (s.paperOut)
        return code::NoReceiptPaper;
    if (c.model.hasFiscalDrive) {
        FiscalDrive fn = FiscalDrive::load(s, c.now());
        if (!fn.inFiscalMode() || !fn.sessionOpen)
            return fnerror::WrongState;
        if (fn.currentDocument != fnopen::None && fn.currentDocument != fnopen::CloseSession)
            return fnerror::WrongState;
        QJsonObject tags;
        tags.insert(QString::number(fntag::SessionNumber), fn.sessionNumber);
        FnDocument &d = addDocument(c, fn, fdtype::CloseSession, tags);
        fn.sessionOpen = false;
        printDocument(c, fn, d, QStringLiteral("ОТЧЕТ О ЗАКРЫТИИ СМЕНЫ"),
                      {QStringLiteral("СМЕНА %1").arg(fn.sessionNumber),
                       QStringLiteral("НЕПЕРЕДАННЫХ ФД: %1").arg(fn.unsentCount())});
        s.sessionNumber = fn.sessionNumber;
        fn.store(s);
    } else {
        s.sessionNumber += 1;
        c.print(QStringLiteral("СУТОЧНЫЙ ОТЧЕТ С ГАШЕНИЕМ"));
        c.print(QStringLiteral("СМЕНА %1").arg(s.sessionNumber));
    }
    s.previousMode = s.ecrMode;
    s.ecrMode = 4;
    c.changed();
    return code::Ok;
}

// Cancels the open receipt with the administrator's rights; the drive
// forgets the document it was building.
int sysAdminCancelCheck(Context &c)
{
    RegisterState &s = c.state;
    if (s.ecrMode != 8)
        return code::BadMode;
    if (c.model.hasFiscalDrive) {
        FiscalDrive fn = FiscalDrive::load(s, c.now());
        fn.currentDocument = fnopen::None;
        fn.documentData = false;
        fn.store(s);
    }
    s.previousMode = s.ecrMode;
    s.ecrMode = 2;
    c.changed();
    return code::Ok;
}

} // namespace

void addFnHandlers(HandlerTable &t)
{
    t.add(MethodId::FNGetStatus, onDrive(fnGetStatus));
    t.add(MethodId::FNGetSerial, onDrive(fnGetSerial));
    t.add(MethodId::FNGetExpirationTime, onDrive(fnGetExpirationTime));
    t.add(MethodId::FNGetVersion, onDrive(fnGetVersion));
    t.add(MethodId::FNGetImplementation, onDrive(fnGetImplementation));
    t.add(MethodId::FNGetDocumentSize, onDrive(fnGetDocumentSize));
    t.add(MethodId::FNGetOSUSupportStatus, onDrive(fnGetOSUSupportStatus));
    t.add(MethodId::FNGetFreeMemoryResource, onDrive(fnGetFreeMemoryResource));
    t.add(MethodId::FNCountersSync, onDrive(fnCountersSync));
    t.add(MethodId::FNBeginOpenSession, onDrive(fnBeginOpenSession));
    t.add(MethodId::FNBeginCloseSession, onDrive(fnBeginCloseSession));
    t.add(MethodId::FNBeginCalculationStateReport, onDrive(fnBeginCalculationStateReport));
    t.add(MethodId::FNBuildCalculationStateReport, onDrive(fnBuildCalculationStateReport));
    t.add(MethodId::FNGetCurrentSessionParams, onDrive(fnGetCurrentSessionParams));
    t.add(MethodId::FNResetState, onDrive(fnResetState));
    t.add(MethodId::FNCancelDocument, onDrive(fnCancelDocument));
    t.add(MethodId::FNBeginCloseFiscalMode, onDrive(fnBeginCloseFiscalMode));
    t.add(MethodId::FNCloseFiscalMode, onDrive(fnCloseFiscalMode));
    t.add(MethodId::FNFindDocument, onDrive(fnFindDocument));
    t.add(MethodId::FNReadFiscalBarcode, onDrive(fnReadFiscalBarcode));
    t.add(MethodId::FNGetInfoExchangeStatus, onDrive(fnGetInfoExchangeStatus));
    t.add(MethodId::SysAdminCancelCheck, sysAdminCancelCheck);
    t.add(MethodId::OpenSession, openSession);
    t.add(MethodId::PrintReportWithCleaning, printReportWithCleaning);
}

} // namespace emu
