#include "driver/Driver.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QThread>

#include <algorithm>
#include <array>

namespace {

constexpr int kTagTypeByte = 0;
constexpr int kTagTypeTime = 6;
constexpr int kTagTypeString = 7;

constexpr int kBusyAttempts = 5;
constexpr unsigned long kBusyPauseMs = 50;

bool isBusy(int resultCode)
{
    return resultCode == 80 || resultCode == 75;
}

std::unique_ptr<TDriver> &instance()
{
    static std::unique_ptr<TDriver> driver;
    return driver;
}

TDriverFactory &factory()
{
    static TDriverFactory make;
    return make;
}

QString creationError()
{
    return QCoreApplication::translate("KassioTest", "Ошибка создания объекта драйвера: ");
}

} // namespace

const char *EAbort::what() const noexcept
{
    return "Operation aborted";
}

TDriver *Driver()
{
    auto &driver = instance();
    if (!driver) {
        try {
            driver = factory() ? factory()() : std::make_unique<TDriver>();
        } catch (const std::exception &e) {
            throw EKassioError(creationError() + QString::fromUtf8(e.what()));
        }
        if (!driver)
            throw EKassioError(creationError());
    }
    return driver.get();
}

void FreeDriver()
{
    instance().reset();
}

bool DriverExists()
{
    return instance() != nullptr;
}

void Check(int ResultCode)
{
    if (ResultCode != 0)
        throw EAbort();
}

void SetDriverFactory(TDriverFactory make)
{
    factory() = std::move(make);
}

int TDriver::ReadTableInt(int Table, int Row, int Field)
{
    RowNumber = Row;
    TableNumber = CorrectTableNumber(Table);
    FieldNumber = Field;
    Check(ReadTable());
    return ValueOfFieldInteger;
}

QString TDriver::ReadTableStr(int Table, int Row, int Field)
{
    RowNumber = Row;
    TableNumber = CorrectTableNumber(Table);
    FieldNumber = Field;
    Check(ReadTable());
    return ValueOfFieldString;
}

int TDriver::ReadTableDef(int Table, int Row, int Field, int Default)
{
    RowNumber = Row;
    TableNumber = Table;
    FieldNumber = Field;
    return ReadTable() == 0 ? ValueOfFieldInteger : Default;
}

void TDriver::WriteTableInt(int Table, int Row, int Field, int Value)
{
    TableNumber = Table;
    RowNumber = Row;
    FieldNumber = Field;
    ValueOfFieldInteger = Value;
    Check(WriteTable());
}

int TDriver::CorrectTableNumber(int Number)
{
    switch (Number) {
    case 18: return ReadIntParam(72);
    case 19: return ReadIntParam(73);
    default: return Number;
    }
}

int TDriver::ReadIntParam(int ParamID)
{
    ModelParamNumber = ParamID;
    Check(ReadModelParamValue());
    const QString text = ModelParamValue.toString();
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        throw EKassioError(QCoreApplication::translate("KassioTest", "\"%1\" не является целым числом")
                               .arg(text));
    return value;
}

bool TDriver::ReadBoolParam(int ParamID)
{
    ModelParamNumber = ParamID;
    Check(ReadModelParamValue());
    return ModelParamValue == QVariant(true);
}

bool TDriver::IsModelType2()
{
    static constexpr std::array<int, 20> models = {16, 19, 20, 21, 27, 28, 29, 30, 32, 33,
                                                   34, 35, 36, 38, 39, 40, 41, 42, 45, 46};
    const int id = GetModelID();
    return std::find(models.begin(), models.end(), id) != models.end();
}

void TDriver::SetStrTag(int Tag, const QString &Value)
{
    TagNumber = Tag;
    TagType = kTagTypeString;
    TagValueStr = Value;
}

void TDriver::SetTimeTag(int Tag, const QDateTime &Value)
{
    TagNumber = Tag;
    TagType = kTagTypeTime;
    TagValueDateTime = Value;
}

void TDriver::BeginSTLVTag(int Tag)
{
    TagNumber = Tag;
    Check(FNBeginSTLVTag());
}

void TDriver::AddTagByte(int Tag, int Value)
{
    TagNumber = Tag;
    TagType = kTagTypeByte;
    TagValueInt = Value;
    Check(FNAddTag());
}

void TDriver::AddTagStr(int Tag, const QString &Value)
{
    SetStrTag(Tag, Value);
    Check(FNAddTag());
}

void TDriver::AddTagUnixTime(int Tag, const QDateTime &Value)
{
    SetTimeTag(Tag, Value);
    Check(FNAddTag());
}

void TDriver::SendSTLVTag(int Tag)
{
    TagNumber = Tag;
    Check(FNSendSTLVTag());
}

void TDriver::SendSTLVTagOperation(int Tag)
{
    TagNumber = Tag;
    Check(FNSendSTLVTagOperation());
}

void TDriver::SendTagStr(int Tag, const QString &Value)
{
    SetStrTag(Tag, Value);
    Check(FNSendTag());
}

void TDriver::SendTagStrOperation(int Tag, const QString &Value)
{
    SetStrTag(Tag, Value);
    Check(FNSendTagOperation());
}

void TDriver::SendTagUnixTime(int Tag, const QDateTime &Value)
{
    SetTimeTag(Tag, Value);
    Check(FNSendTag());
}

void TDriver::SendTagUnixTimeOperation(int Tag, const QDateTime &Value)
{
    SetTimeTag(Tag, Value);
    Check(FNSendTagOperation());
}

QString TDriver::AmountToStr(qint64 Value)
{
    if (!PointPosition)
        return QString::number(Value / 10000); // fraction dropped
    // Hundredths rounded half away from zero, in exact integer arithmetic.
    const bool negative = Value < 0;
    const quint64 magnitude = negative ? 0 - quint64(Value) : quint64(Value);
    const quint64 hundredths = (magnitude + 50) / 100;
    const QLocale locale;
    return (negative && hundredths != 0 ? locale.negativeSign() : QString())
           + QString::number(hundredths / 100) + locale.decimalPoint()
           + QStringLiteral("%1").arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

int TDriver::SendCommand(const QByteArray &Bytes)
{
    BinaryConversion = 1;
    TransferBytes = BytesToHex(Bytes);
    return ExchangeBytes();
}

int TDriver::SendCommand(const QByteArray &Bytes, QByteArray &Response)
{
    const int result = SendCommand(Bytes);
    Response = HexToBytes(TransferBytes);
    return result;
}

int TDriver::GetPrintStringWidth(int Font)
{
    struct PasswordGuard {
        TDriver &driver;
        int saved;
        ~PasswordGuard() { driver.Password = saved; }
    } guard{*this, Password};

    Password = SysAdminPassword;
    FontType = Font;
    Check(GetFontMetrics());
    if (CharWidth == 0)
        return 40;
    return PrintWidth / CharWidth;
}

void TDriver::PrintText(const QString &Text, int Font)
{
    if (Font == 0) {
        StringForPrinting = Text;
        Check(PrintStringWithWrap());
        return;
    }

    // A width below one character could never shorten a line: such a line is
    // sent whole and the register decides.
    const int width = GetPrintStringWidth(Font);
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = Text.split(lineBreak);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // a trailing break ends the last line, it adds none
    for (const QString &line : std::as_const(lines)) {
        if (line.isEmpty() || width < 1) {
            PrintPiece(line, Font);
            continue;
        }
        for (qsizetype pos = 0; pos < line.size(); pos += width)
            PrintPiece(line.mid(pos, width), Font);
    }
}

void TDriver::PrintPiece(const QString &Piece, int Font)
{
    StringForPrinting = Piece;
    int result = 0;
    int attempts = 0;
    do {
        FontType = Font;
        result = PrintStringWithFont();
        ++attempts;
        if (isBusy(result))
            QThread::msleep(kBusyPauseMs);
    } while (isBusy(result) && attempts < kBusyAttempts);
    Check(result);
}
