#pragma once
// The fiscal drive (FN) of the emulated register: identity, life phase, the
// open document, the shift, the documents it holds and their OFD state. It is
// kept in RegisterState::sections["fn"]; handlers load it, change it and store
// it back within the same command.

#include "driver/KassioMembers.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace emu {

struct Context;
struct RegisterState;

// Life phase bits the FN reports.
namespace fnphase {
inline constexpr int Configured = 0x01;
inline constexpr int FiscalMode = 0x02;
inline constexpr int FiscalModeClosed = 0x04;
inline constexpr int TransferFinished = 0x08;
inline constexpr int Ready = Configured;                         // new, not fiscalized
inline constexpr int Fiscal = Configured | FiscalMode;           // after registration
inline constexpr int Closed = Fiscal | FiscalModeClosed;         // archive closed, queue not empty
inline constexpr int Finished = Closed | TransferFinished;       // archive closed, all sent
} // namespace fnphase

// Open document codes of the FN status.
namespace fnopen {
inline constexpr int None = 0x00;
inline constexpr int Registration = 0x01;
inline constexpr int OpenSession = 0x02;
inline constexpr int Receipt = 0x04;
inline constexpr int CloseSession = 0x08;
inline constexpr int CloseFiscalMode = 0x10;
inline constexpr int Bso = 0x11;
inline constexpr int ReregistrationNewFn = 0x12;
inline constexpr int Reregistration = 0x13;
inline constexpr int CorrectionReceipt = 0x14;
inline constexpr int BsoCorrection = 0x15;
inline constexpr int CalculationReport = 0x17;
} // namespace fnopen

// Fiscal document types.
namespace fdtype {
inline constexpr int Registration = 1;
inline constexpr int OpenSession = 2;
inline constexpr int Receipt = 3;
inline constexpr int Bso = 4;
inline constexpr int CloseSession = 5;
inline constexpr int CloseFiscalMode = 6;
inline constexpr int OperatorConfirmation = 7;
inline constexpr int Reregistration = 11;
inline constexpr int CalculationReport = 21;
inline constexpr int CorrectionReceipt = 31;
inline constexpr int BsoCorrection = 41;
} // namespace fdtype

// Errors of the FN; the register answers them as its result code.
namespace fnerror {
inline constexpr int UnknownCommand = 0x01;
inline constexpr int WrongState = 0x02;
inline constexpr int NoData = 0x08;
inline constexpr int BadParameters = 0x09;
inline constexpr int ResourceExhausted = 0x12;
} // namespace fnerror

// Register answers of the shift commands.
inline constexpr int SessionIsOpen = 0x3C;
inline constexpr int SessionIsClosed = 0x3D;

// Tags of a document's data. Numbers are the fiscal data format's tags; the
// work-mode sets have no single tag and use named keys.
namespace fntag {
inline constexpr int UserInn = 1018;
inline constexpr int OfdInn = 1017;
inline constexpr int RegistrationNumber = 1037;
inline constexpr int TaxSystems = 1062;
inline constexpr int SessionNumber = 1038;
inline constexpr int ReceiptNumber = 1042;
inline constexpr int OperationType = 1054;
inline constexpr int Total = 1020;               // Currency (amount x 10 000), as text
inline constexpr int UnconfirmedCount = 1097;
inline constexpr int FirstUnconfirmedDate = 1098; // ISO date-time text
inline constexpr int ReasonCode = 1101;
inline constexpr int ReasonCodeEx = 1205;
inline constexpr int AutomatNumber = 1036;
inline constexpr int DateTime = 1012;
inline constexpr int DocumentNumber = 1040;
inline constexpr int FnSerial = 1041;
inline constexpr int FiscalSign = 1077;
inline constexpr int TaxSystem = 1055;           // the one tax system of a receipt
inline constexpr int CorrectionType = 1173;      // 0 own initiative, 1 by order
inline constexpr int CashTotal = 1031;           // payment and tax sums: Currency, as text
inline constexpr int ElectronicTotal = 1081;
inline constexpr int PrepaidTotal = 1215;
inline constexpr int PostpaidTotal = 1216;
inline constexpr int CounterTotal = 1217;
inline constexpr int Vat20 = 1102;
inline constexpr int Vat10 = 1103;
inline constexpr int Vat0Total = 1104;
inline constexpr int NoVatTotal = 1105;
inline constexpr int Vat20of120 = 1106;
inline constexpr int Vat10of110 = 1107;
inline const QString WorkMode = QStringLiteral("workMode");
inline const QString WorkModeEx = QStringLiteral("workModeEx");
// The 5% and 7% rates of a correction receipt, kept under their own names.
inline const QString Vat5 = QStringLiteral("vat5");
inline const QString Vat7 = QStringLiteral("vat7");
inline const QString Vat5of105 = QStringLiteral("vat5/105");
inline const QString Vat7of107 = QStringLiteral("vat7/107");
// The tags sent into a document (FNSendTag and the like), in the order they
// came: an array of {"tag", "type", "value"}, "operation": true for a tag
// bound to the operation, "members" for a composite.
inline const QString Sent = QStringLiteral("sent");
} // namespace fntag

struct FnDocument {
    quint32 number = 0;
    int type = 0;
    QDateTime time;
    quint32 fiscalSign = 0;
    bool ofdTicket = false;       // the OFD confirmed it
    QJsonObject tags;             // key: tag number (or a named key), value: its data

    QJsonValue tag(int number) const { return tags.value(QString::number(number)); }
    QJsonArray sentTags() const { return tags.value(fntag::Sent).toArray(); }
    void setTag(int number, const QJsonValue &value) { tags.insert(QString::number(number), value); }

    QJsonObject toJson() const;
    static FnDocument fromJson(const QJsonObject &o);
};

// The data the last registration (or re-registration) set.
struct FnRegistration {
    QString inn;
    QString ofdInn;
    QString rnm;
    int taxType = 0;
    int workMode = 0;
    int workModeEx = 0;
};

class FiscalDrive
{
public:
    // A drive fresh from the factory: configured, ready for fiscalization.
    static FiscalDrive newDrive(const QDateTime &now);
    // The register's drive; a register without one (an old state file) gets
    // a new one, and 'created' tells so (the state must then be stored).
    static FiscalDrive load(const RegisterState &state, const QDateTime &now, bool *created = nullptr);
    void store(RegisterState &state) const;

    QJsonObject toJson() const;
    static FiscalDrive fromJson(const QJsonObject &o);

    bool inFiscalMode() const { return (lifeState & fnphase::FiscalMode) && !(lifeState & fnphase::FiscalModeClosed); }
    quint32 lastDocumentNumber() const { return documents.empty() ? 0 : documents.back().number; }
    const FnDocument *find(quint32 number) const;
    // Registration and re-registration reports in the order they were made;
    // 'ordinal' counts from 1. None past the last one.
    std::vector<const FnDocument *> registrations() const;
    const FnDocument *registrationReport(int ordinal) const;
    // Documents the OFD has not confirmed yet, and the oldest of them.
    int unsentCount() const;
    const FnDocument *firstUnsent() const;

    // Writes a new document: next number, its fiscal sign; the open
    // document is closed and takes the tags sent for it. Keeps the life
    // phase's transfer bit in step.
    FnDocument &addDocument(int type, const QDateTime &time, const QJsonObject &tags = {});
    // The open document is given up, and with it the tags sent for it.
    void cancelDocument();
    // The OFD confirmed every document up to 'number'.
    void confirmUpTo(quint32 number);

    int freeRegistrations() const { return registrationLimit - registrationsDone; }
    int fiveYearResource() const;   // documents
    int thirtyDayResource() const;  // kilobytes
    int documentSize() const;       // bytes of the first unsent document, 0 when none

    // Marking-code check keys: updates them when needed. Returns the number of
    // keys updated, KeysNotNeeded, or KeysNoLink. Keeps the outcome for the
    // register's status (lastKeysResult, lastKeysStatus).
    static constexpr int KeysNotNeeded = 254;
    static constexpr int KeysNoLink = 255;
    int updateKeys(const QDateTime &now);

    QString serial;
    QString softVersion;
    int softType = 0;                 // 0 debug, 1 serial
    QString implementation;
    int ffdVersion = 4;               // 2 = 1.05, 3 = 1.1, 4 = 1.2
    int lifeState = fnphase::Ready;
    int currentDocument = fnopen::None;
    bool documentData = false;        // data of the open document received
    bool sessionOpen = false;
    int sessionNumber = 0;
    int receiptNumber = 0;            // receipts in the current session
    int warningFlags = 0;
    QDateTime expiry;
    int registrationLimit = 30;       // registration reports the drive takes
    int registrationsDone = 0;
    int fiveYearCapacity = 250000;    // documents
    int thirtyDayCapacity = 512;      // kilobytes
    int markingFillPercentage = 0;    // -1: no notification storage
    int notificationSize = 0;
    int osuSupportStatus = 0;         // 0 supported and inactive, 1 active, 255 none
    QDateTime keysUpdated;            // null: the keys were never updated
    bool okpLink = true;              // the key server answers
    int lastKeysResult = KeysNotNeeded;
    int lastKeysStatus = 0;
    FnRegistration registration;
    std::vector<FnDocument> documents;
    // Tags sent for the document being formed, waiting for it to be written
    // (entries as in fntag::Sent). Tags may come before the document opens:
    // a receipt, for one, opens with its first operation.
    QJsonArray pendingTags;
    // The composite tag being assembled: {"tag", "members"}; empty when none.
    QJsonObject composite;
};

// Shared by the drive's handler files (handlers/Fn*.cpp).
using DriveBody = int (*)(Context &, FiscalDrive &);
// A handler that loads the drive, runs the command on it and stores it when
// the command changed anything; a register without a drive answers 55.
// Bodies change the drive only once they succeed.
std::function<int(Context &)> onDrive(DriveBody body);
// A drive document opens only in fiscal mode and with no other document open.
int canBegin(const FiscalDrive &fn, int openCode);
int beginDocument(Context &c, FiscalDrive &fn, int openCode);
// Writes the document; the register shows it as its last document.
FnDocument &addDocument(Context &c, FiscalDrive &fn, int type, const QJsonObject &tags = {});
void setDateTime(Context &c, kassio::PropId date, kassio::PropId time, const QDateTime &value);
// Prints a drive document on the tape: its title, its own lines, then the
// drive's signature block.
void printDocument(Context &c, const FiscalDrive &fn, const FnDocument &d, const QString &title,
                   const QStringList &lines = {});
// DocumentNumber and FiscalSign of a document.
void setNumberAndSign(Context &c, const FnDocument &d);

// The key-update outcome outputs of a status query.
void setUpdateKeysOutputs(Context &c);
// Raw command FE E1: updates the marking-code check keys. Appends the one
// result byte (keys updated, FEh not needed, FFh no link) to 'answer';
// false for a register without a drive.
bool fnUpdateKeysCommand(Context &c, QByteArray &answer);

} // namespace emu
