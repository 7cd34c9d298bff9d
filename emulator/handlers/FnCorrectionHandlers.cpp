// Fiscal drive commands that form a document's data: tags sent into the open
// document or bound to its operation, composite tags, and the correction
// receipts of the 1.05 format (the full one with sixteen sums and the older
// one-sum form).
#include "emulator/EmulatedRegister.h"
#include "emulator/FiscalDrive.h"

#include <array>

namespace emu {
namespace {

const QString TagKey = QStringLiteral("tag");
const QString TypeKey = QStringLiteral("type");
const QString ValueKey = QStringLiteral("value");
const QString OperationKey = QStringLiteral("operation");
const QString MembersKey = QStringLiteral("members");

// Tag value types as the component names them.
namespace tagtype {
inline constexpr int Byte = 0;
inline constexpr int Uint16 = 1;
inline constexpr int Uint32 = 2;
inline constexpr int Vln = 3;
inline constexpr int Fvln = 4;
inline constexpr int BitField = 5;
inline constexpr int UnixTime = 6;
inline constexpr int String = 7;
inline constexpr int Stlv = 8;
inline constexpr int ByteArray = 9;
inline constexpr int FvlnEx = 11;
} // namespace tagtype

bool validTagNumber(int tag) { return tag >= 1 && tag <= 0xFFFF; }

// The tag of the call's Tag* inputs, or BadParameter for a tag number out of
// range, a value that does not fit its type, or a type a single tag cannot
// have (a composite is built with FNBeginSTLVTag).
int readTag(const Context &c, QJsonObject &entry)
{
    const int tag = c.call.i(P::TagNumber);
    const int type = c.call.i(P::TagType);
    if (!validTagNumber(tag))
        return fnerror::BadParameters;
    QJsonValue value;
    switch (type) {
    case tagtype::Byte:
    case tagtype::Uint16: {
        const int v = c.call.i(P::TagValueInt);
        if (v < 0 || v > (type == tagtype::Byte ? 0xFF : 0xFFFF))
            return fnerror::BadParameters;
        value = v;
        break;
    }
    case tagtype::Uint32:
        value = static_cast<double>(static_cast<quint32>(c.call.i(P::TagValueInt)));
        break;
    case tagtype::Vln:
    case tagtype::BitField:
    case tagtype::ByteArray:
        value = QString::fromLatin1(c.call.bytes(P::TagValueBin).toHex().toUpper());
        break;
    case tagtype::Fvln:
    case tagtype::FvlnEx:
        value = c.call.d(P::TagValueFVLND);
        break;
    case tagtype::UnixTime: {
        const QDateTime t = c.call.dt(P::TagValueDateTime);
        if (!t.isValid())
            return fnerror::BadParameters;
        value = t.toString(Qt::ISODate);
        break;
    }
    case tagtype::String:
        value = c.call.s(P::TagValueStr);
        break;
    default:
        return fnerror::BadParameters;
    }
    entry.insert(TagKey, tag);
    entry.insert(TypeKey, type);
    entry.insert(ValueKey, value);
    return code::Ok;
}

void addPending(Context &c, FiscalDrive &fn, const QJsonObject &entry)
{
    fn.pendingTags.append(entry);
    fn.documentData = true;
    c.changed();
}

int sendTag(Context &c, FiscalDrive &fn, bool operation)
{
    QJsonObject entry;
    if (const int rc = readTag(c, entry))
        return rc;
    if (operation)
        entry.insert(OperationKey, true);
    addPending(c, fn, entry);
    return code::Ok;
}

int fnSendTag(Context &c, FiscalDrive &fn) { return sendTag(c, fn, false); }
int fnSendTagOperation(Context &c, FiscalDrive &fn) { return sendTag(c, fn, true); }

// A new composite replaces one begun and never sent.
int fnBeginSTLVTag(Context &c, FiscalDrive &fn)
{
    const int tag = c.call.i(P::TagNumber);
    if (!validTagNumber(tag))
        return fnerror::BadParameters;
    QJsonObject composite;
    composite.insert(TagKey, tag);
    composite.insert(MembersKey, QJsonArray());
    fn.composite = composite;
    c.changed();
    return code::Ok;
}

int fnAddTag(Context &c, FiscalDrive &fn)
{
    if (fn.composite.isEmpty())
        return fnerror::WrongState;
    QJsonObject member;
    if (const int rc = readTag(c, member))
        return rc;
    QJsonArray members = fn.composite.value(MembersKey).toArray();
    members.append(member);
    fn.composite.insert(MembersKey, members);
    c.changed();
    return code::Ok;
}

// The composite begun under the same TagNumber goes into the document; an
// empty one is refused and stays open for its members.
int sendComposite(Context &c, FiscalDrive &fn, bool operation)
{
    if (fn.composite.isEmpty())
        return fnerror::WrongState;
    const QJsonArray members = fn.composite.value(MembersKey).toArray();
    if (c.call.i(P::TagNumber) != fn.composite.value(TagKey).toInt() || members.isEmpty())
        return fnerror::BadParameters;
    QJsonObject entry;
    entry.insert(TagKey, fn.composite.value(TagKey));
    entry.insert(TypeKey, tagtype::Stlv);
    entry.insert(MembersKey, members);
    if (operation)
        entry.insert(OperationKey, true);
    fn.composite = {};
    addPending(c, fn, entry);
    return code::Ok;
}

int fnSendSTLVTag(Context &c, FiscalDrive &fn) { return sendComposite(c, fn, false); }
int fnSendSTLVTagOperation(Context &c, FiscalDrive &fn) { return sendComposite(c, fn, true); }

// A correction receipt belongs to a shift: the drive must be in fiscal mode
// with its shift open and no other document open.
int fnBeginCorrectionReceipt(Context &c, FiscalDrive &fn)
{
    if (const int rc = canBegin(fn, fnopen::CorrectionReceipt))
        return rc;
    if (!fn.sessionOpen)
        return SessionIsClosed;
    return beginDocument(c, fn, fnopen::CorrectionReceipt);
}

QString amountText(qint64 currency)
{
    const qint64 kopecks = (currency + (currency >= 0 ? 50 : -50)) / 100;
    return QStringLiteral("%1%2.%3")
        .arg(kopecks < 0 ? QStringLiteral("-") : QString())
        .arg(qAbs(kopecks) / 100)
        .arg(qAbs(kopecks) % 100, 2, 10, QLatin1Char('0'));
}

// A sum of a correction: never negative.
bool readSum(const Context &c, P id, qint64 &sum)
{
    sum = c.call.cur(id);
    return sum >= 0;
}

// A correction is written only into the correction receipt begun.
int canWriteCorrection(const Context &c, const FiscalDrive &fn)
{
    if (fn.currentDocument != fnopen::CorrectionReceipt || !fn.inFiscalMode())
        return fnerror::WrongState;
    if (!fn.sessionOpen)
        return SessionIsClosed;
    if (c.state.paperOut)
        return code::NoReceiptPaper;
    return code::Ok;
}

// Writes the open correction receipt with its data; the shift counts it.
int writeCorrection(Context &c, FiscalDrive &fn, int calculationSign, qint64 total, QJsonObject tags,
                    const QStringList &lines)
{
    const int receipt = fn.receiptNumber + 1;
    tags.insert(QString::number(fntag::ReceiptNumber), receipt);
    tags.insert(QString::number(fntag::OperationType), calculationSign);
    tags.insert(QString::number(fntag::Total), QString::number(total));
    const FnDocument &d = addDocument(c, fn, fdtype::CorrectionReceipt, tags);
    fn.receiptNumber = receipt;
    QStringList printed{calculationSign == 1 ? QStringLiteral("КОРРЕКЦИЯ ПРИХОДА") : QStringLiteral("КОРРЕКЦИЯ РАСХОДА"),
                        QStringLiteral("ЧЕК %1 СМЕНА %2").arg(receipt).arg(fn.sessionNumber)};
    printed += lines;
    printed << QStringLiteral("ИТОГ =%1").arg(amountText(total));
    printDocument(c, fn, d, QStringLiteral("КАССОВЫЙ ЧЕК КОРРЕКЦИИ"), printed);
    c.call.set(P::ReceiptNumber, receipt);
    setNumberAndSign(c, d);
    return code::Ok;
}

bool validSign(int sign) { return sign == 1 || sign == 3; }

// The full form: total, five payment forms, six tax sums, and the four sums
// of the 5% and 7% rates when AddTaxesEnabled asks for them.
int fnBuildCorrectionReceipt2(Context &c, FiscalDrive &fn)
{
    struct Sum {
        P id;
        QString key;
    };
    const auto number = [](int tag) { return QString::number(tag); };
    const std::array<Sum, 12> sums{{
        {P::Summ1, number(fntag::Total)},
        {P::Summ2, number(fntag::CashTotal)},
        {P::Summ3, number(fntag::ElectronicTotal)},
        {P::Summ4, number(fntag::PrepaidTotal)},
        {P::Summ5, number(fntag::PostpaidTotal)},
        {P::Summ6, number(fntag::CounterTotal)},
        {P::Summ7, number(fntag::Vat20)},
        {P::Summ8, number(fntag::Vat10)},
        {P::Summ9, number(fntag::Vat0Total)},
        {P::Summ10, number(fntag::NoVatTotal)},
        {P::Summ11, number(fntag::Vat20of120)},
        {P::Summ12, number(fntag::Vat10of110)},
    }};
    const std::array<Sum, 4> addedTaxes{{
        {P::Summ17, fntag::Vat5},
        {P::Summ18, fntag::Vat7},
        {P::Summ19, fntag::Vat5of105},
        {P::Summ20, fntag::Vat7of107},
    }};
    if (const int rc = canWriteCorrection(c, fn))
        return rc;
    const int correctionType = c.call.i(P::CorrectionType);
    const int sign = c.call.i(P::CalculationSign);
    const int taxType = c.call.i(P::TaxType);
    // One tax system: a single bit of the six.
    const bool oneTaxSystem = taxType > 0 && taxType <= 32 && (taxType & (taxType - 1)) == 0;
    if ((correctionType != 0 && correctionType != 1) || !validSign(sign) || !oneTaxSystem)
        return fnerror::BadParameters;
    QJsonObject tags;
    const auto take = [&](const Sum &s) {
        qint64 value = 0;
        if (!readSum(c, s.id, value))
            return false;
        tags.insert(s.key, QString::number(value));
        return true;
    };
    for (const Sum &s : sums)
        if (!take(s))
            return fnerror::BadParameters;
    if (c.call.b(P::AddTaxesEnabled))
        for (const Sum &s : addedTaxes)
            if (!take(s))
                return fnerror::BadParameters;
    tags.insert(number(fntag::CorrectionType), correctionType);
    tags.insert(number(fntag::TaxSystem), taxType);
    return writeCorrection(c, fn, sign, c.call.cur(P::Summ1), tags,
                           {correctionType == 0 ? QStringLiteral("САМОСТОЯТЕЛЬНО") : QStringLiteral("ПО ПРЕДПИСАНИЮ")});
}

// The older form: the total and the receipt type only.
int fnBuildCorrectionReceipt(Context &c, FiscalDrive &fn)
{
    if (const int rc = canWriteCorrection(c, fn))
        return rc;
    const int sign = c.call.i(P::CheckType);
    qint64 total = 0;
    if (!validSign(sign) || !readSum(c, P::Summ1, total))
        return fnerror::BadParameters;
    return writeCorrection(c, fn, sign, total, {}, {});
}

} // namespace

void addFnCorrectionHandlers(HandlerTable &t)
{
    t.add(MethodId::FNSendTag, onDrive(fnSendTag));
    t.add(MethodId::FNSendTagOperation, onDrive(fnSendTagOperation));
    t.add(MethodId::FNBeginSTLVTag, onDrive(fnBeginSTLVTag));
    t.add(MethodId::FNAddTag, onDrive(fnAddTag));
    t.add(MethodId::FNSendSTLVTag, onDrive(fnSendSTLVTag));
    t.add(MethodId::FNSendSTLVTagOperation, onDrive(fnSendSTLVTagOperation));
    t.add(MethodId::FNBeginCorrectionReceipt, onDrive(fnBeginCorrectionReceipt));
    t.add(MethodId::FNBuildCorrectionReceipt2, onDrive(fnBuildCorrectionReceipt2));
    t.add(MethodId::FNBuildCorrectionReceipt, onDrive(fnBuildCorrectionReceipt));
}

} // namespace emu
