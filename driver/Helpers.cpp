#include "driver/Helpers.h"

#include "driver/SerialLink.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <array>
#include <cmath>

EKassioError::EKassioError(const QString &message)
    : std::runtime_error(message.toStdString())
{
}

QString EKassioError::message() const
{
    return QString::fromUtf8(what());
}

namespace {

QString hexText(const QByteArray &bytes, const QString &separator, bool trailing)
{
    QString result;
    result.reserve(bytes.size() * 3);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (i > 0)
            result += separator;
        result += QStringLiteral("%1").arg(quint8(bytes[i]), 2, 16, QLatin1Char('0')).toUpper();
    }
    if (trailing && !bytes.isEmpty())
        result += separator;
    return result;
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

// Unicode of the bytes 80..FF of code page 866.
constexpr std::array<char16_t, 128> kCp866 = {
    // 80..AF: А..п
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    // B0..DF: pseudo-graphics
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    // E0..EF: р..я
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
    // F0..FF
    0x0401, 0x0451, 0x0404, 0x0454, 0x0407, 0x0457, 0x040E, 0x045E,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x2116, 0x00A4, 0x25A0, 0x00A0,
};

// Unicode of the bytes 80..BF of code page 1251 (C0..FF are А..я in order);
// 98 is unassigned.
constexpr std::array<char16_t, 64> kCp1251 = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

char toCp1251(char32_t code)
{
    if (code < 0x80)
        return char(code);
    if (code >= 0x0410 && code <= 0x044F)
        return char(0xC0 + (code - 0x0410));
    for (std::size_t i = 0; i < kCp1251.size(); ++i) {
        if (kCp1251[i] != 0 && kCp1251[i] == code)
            return char(0x80 + i);
    }
    return '?';
}

} // namespace

QString StrToHex(const QByteArray &S)
{
    return hexText(S, QStringLiteral(" "), false);
}

QString StrToHex(const QByteArray &S, bool Spaces)
{
    return Spaces ? hexText(S, QStringLiteral(" "), true) : hexText(S, QString(), false);
}

QByteArray HexToStr(const QString &S)
{
    QByteArray result;
    QString acc;
    // False when acc is not a hexadecimal number: the conversion stops there.
    const auto flush = [&]() {
        uint value = 0;
        for (const QChar digit : acc) {
            const int nibble = hexDigit(digit);
            if (nibble < 0)
                return false;
            value = value * 16 + uint(nibble);
        }
        acc.clear();
        result.append(char(value));
        return true;
    };
    for (const QChar ch : S) {
        acc = (acc + ch).trimmed();
        if (!acc.isEmpty() && (acc.size() == 2 || ch.isSpace())) {
            if (!flush())
                return result;
        }
    }
    if (!acc.isEmpty())
        flush();
    return result;
}

QString BytesToHex(const QByteArray &Bytes)
{
    return StrToHex(Bytes);
}

QByteArray HexToBytes(const QString &S)
{
    return HexToStr(S);
}

void SetBit(quint8 &B, int Bit)
{
    if (Bit >= 0 && Bit < 8)
        B = quint8(B | (1u << Bit));
}

bool TestBit(qint64 Value, int Bit)
{
    return Bit >= 0 && Bit < 64 && ((quint64(Value) >> Bit) & 1u) != 0;
}

QString GetBitStr(qint64 Value, int Bit)
{
    return BoolToYesNo(TestBit(Value, Bit));
}

qint64 BinToInt(const QByteArray &S, int Offset, int Count)
{
    if (Offset < 1 || Count < 0 || Count > 8 || S.size() < Offset || Count > S.size() - Offset + 1)
        return 0;
    quint64 result = 0;
    for (int i = Count - 1; i >= 0; --i)
        result = (result << 8) | quint8(S[Offset - 1 + i]);
    return qint64(result);
}

QByteArray IntToBin(qint64 Value, int Count)
{
    QByteArray result;
    if (Count < 1 || Count > 8)
        return result;
    for (int i = 0; i < Count; ++i)
        result.append(char((quint64(Value) >> (8 * i)) & 0xFF));
    return result;
}

int Min(int A, int B)
{
    return A < B ? A : B;
}

double ExRound(double Value, double Step)
{
    if (Step == 0)
        return Value;
    const double s = Value >= 0 ? 1.0 : -1.0;
    const double h = std::trunc((Value + s * 0.00001) / Step);
    const double l = std::fabs(Value / Step - h) > 0.49999 ? 1.0 : 0.0;
    return (h + s * l) * Step;
}

int IntToBaudRate(int Index)
{
    return kassio::baudRateOfCode(Index).value_or(4800);
}

quint16 DecodeTCPPort(quint8 Code)
{
    return quint16(((Code & 0xF0u) << 8) | 0x30u | (Code & 0x0Fu));
}

quint8 EncodeTCPPort(quint16 Port)
{
    return quint8((((Port >> 12) & 0x0Fu) << 4) | (Port & 0x0Fu));
}

QString BoolToYesNo(bool Value)
{
    return Value ? QCoreApplication::translate("KassioTest", "[да]")
                 : QCoreApplication::translate("KassioTest", "[нет]");
}

QString GetINN(const QString &S)
{
    return S.isEmpty() ? QCoreApplication::translate("KassioTest", "не задан") : S;
}

QString GetRNM(const QString &S)
{
    return GetINN(S);
}

QString GetSerialNumber(const QString &S)
{
    return S.isEmpty() ? QCoreApplication::translate("KassioTest", "не введен") : S;
}

QString AddLeadingZeros(const QString &S, int Len)
{
    if (S.size() > Len)
        return S.left(qMax(Len, 0));
    return S.rightJustified(Len, QLatin1Char('0'));
}

char Char866To1251(char C)
{
    const auto byte = quint8(C);
    if (byte < 0x80)
        return C;
    return toCp1251(kCp866[byte - 0x80]);
}

QByteArray Str866To1251(const QByteArray &S)
{
    QByteArray result(S);
    for (char &c : result)
        c = Char866To1251(c);
    return result;
}

QByteArray ToCodePage1251(const QString &Text)
{
    QByteArray result;
    result.reserve(Text.size());
    for (const char32_t code : Text.toUcs4())
        result.append(toCp1251(code));
    return result;
}

QByteArray ReadFileData(const QString &FileName)
{
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EKassioError(QCoreApplication::translate("KassioTest", "Не удается открыть файл \"%1\": %2")
                               .arg(FileName, file.errorString()));
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EKassioError(QCoreApplication::translate("KassioTest", "Ошибка чтения файла \"%1\": %2")
                               .arg(FileName, file.errorString()));
    return data;
}

QString GetUserVeltraPath()
{
#ifdef Q_OS_WIN
    QString base = qEnvironmentVariable("APPDATA");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/AppData/Roaming");
#else
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#endif
    const QString path = QDir::cleanPath(base + QStringLiteral("/Veltra/Kassio"));
    QDir().mkpath(path);
    return path;
}
