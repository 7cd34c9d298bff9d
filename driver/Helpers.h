#pragma once
// Conversion helpers shared by the test bench's driver wrapper and its pages.
// None of them keeps state; any thread may call them.
//
// Byte strings and byte arrays are both QByteArray; texts are QString.
// Hexadecimal digits are written in upper case.

#include <QByteArray>
#include <QString>

#include <stdexcept>

// An input, conversion or file error. Its message is Russian and meant for the
// user: the test bench's handler guard shows it in an error box.
class EKassioError : public std::runtime_error
{
public:
    explicit EKassioError(const QString &message);
    // The message as the user sees it (what() holds it in UTF-8).
    QString message() const;
};

// Hexadecimal text ---------------------------------------------------------

// "00 FF": two digits a byte, one blank between bytes, none at the ends.
QString StrToHex(const QByteArray &S);
// Two digits a byte; with Spaces every byte, the last one too, is followed by a blank.
QString StrToHex(const QByteArray &S, bool Spaces);
// The bytes written in S: pairs of digits, or single digits ended by a blank
// ("01 0A FF", "010AFF" and "1 A FF" all give 01 0A FF).
// A character that is not a hexadecimal digit ends the conversion silently and
// the bytes read so far are returned ("0G 11" gives nothing, "11 0G" gives 11).
// Callers that must reject a typo (a raw command, say) have to validate the
// text themselves; the silent stop is what the pages rely on.
QByteArray HexToStr(const QString &S);
QString BytesToHex(const QByteArray &Bytes);
QByteArray HexToBytes(const QString &S);

// Bits and little-endian integers -------------------------------------------

// Bits are numbered from 0, the least significant; bits outside the type are ignored.
void SetBit(quint8 &B, int Bit);
bool TestBit(qint64 Value, int Bit);
QString GetBitStr(qint64 Value, int Bit);
// The Count bytes of S from the 1-based Offset, least significant first.
// 0 when Offset < 1, when Count is not 0..8 or when fewer than Count bytes
// are available from Offset.
qint64 BinToInt(const QByteArray &S, int Offset, int Count);
// The Count low bytes of Value, least significant first; empty unless 1 <= Count <= 8.
QByteArray IntToBin(qint64 Value, int Count);
int Min(int A, int B);

// Numbers and codes ----------------------------------------------------------

// Value rounded to a multiple of Step, halves away from zero (2.675 by 0.01 is
// 2.68). A Step of 0 leaves Value as it is.
double ExRound(double Value, double Step);
// Baud rate of the component's BaudRate index 0..9; 4800 for any other index.
int IntToBaudRate(int Index);
// The register's one-byte TCP port code: high nibble in bits 12..15, low byte
// 30 hex plus the low nibble (70 hex gives 7030 hex).
quint16 DecodeTCPPort(quint8 Code);
quint8 EncodeTCPPort(quint16 Port);

// Texts ----------------------------------------------------------------------

// "[да]" / "[нет]", translated through the test bench's catalogue.
QString BoolToYesNo(bool Value);
// S, or "не задан" when S is empty.
QString GetINN(const QString &S);
QString GetRNM(const QString &S);
// S, or "не введен" when S is empty.
QString GetSerialNumber(const QString &S);
// S padded on the left with '0' to Len characters; its first Len characters when longer.
QString AddLeadingZeros(const QString &S, int Len);

// Code pages -----------------------------------------------------------------

// Code page 866 to code page 1251, byte by byte; the characters 1251 lacks
// (the pseudo-graphics B0..DF, and F9, FB, FE) become '?'.
char Char866To1251(char C);
QByteArray Str866To1251(const QByteArray &S);
// A text in code page 1251, the 8-bit code page of the registers' users;
// characters the code page lacks become '?'.
QByteArray ToCodePage1251(const QString &Text);

// Files and folders ----------------------------------------------------------

// The whole file; an empty file gives an empty array. A file that cannot be
// opened or read raises EKassioError naming the file and the reason.
QByteArray ReadFileData(const QString &FileName);
// The per-user settings folder ".../Veltra/Kassio" (roaming AppData on
// Windows, $XDG_DATA_HOME or ~/.local/share elsewhere), created when missing;
// no trailing delimiter.
QString GetUserVeltraPath();
