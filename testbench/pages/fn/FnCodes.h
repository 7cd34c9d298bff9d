#pragma once
// Names of the fiscal drive's codes, shared by the FN pages, the status pages
// and the reports page. Every text is translated.

#include <QString>
#include <QtGlobal>

#include <span>

// Open document of the drive's status (00h none, 01h registration ...).
QString FNStatusDocumentTypeToStr(int Code);
// Fiscal document type (1 registration, 2 session open ... 31 correction).
QString FNFindDocumentTypeToStr(int Code);
// The drive's error codes.
QString GetFNErrorDescription(int Code);

QString FNDocumentDataToStr(int Value);
QString FNSessionStateToStr(int Value);
QString FNVersionTypeToStr(int Value);
// The code in decimal, ", " and its text.
QString OSUSupportStatusToStr(int Value);

// "%.2xh, %d": at least two upper-case hex digits, "h", then the decimal.
QString HexCode(int Code);
// "%.2xh, %s": the same with a name.
QString HexCode(int Code, const QString &Name);
// A 32-bit property that holds an unsigned number (fiscal signs, document numbers).
QString UIntStr(int Value);

// One named bit of a decoded flag block.
struct TFnBit
{
    int bit;
    const char *name; // source text, translated when shown
};

std::span<const TFnBit> LifeStateBits();
std::span<const TFnBit> TaxSystemBits();
// All eight bits of each; the FN report names the first six and four.
std::span<const TFnBit> WorkModeBits();
std::span<const TFnBit> WorkModeExBits();
// The reasons for a change of registration data, in their list's order;
// the list number of a reason is its bit + 1.
QString BitName(const TFnBit &Bit);

// Marking-code key update after a session opens: the result text for
// UpdateKeysResultCode and UpdateKeysStatus (may hold a line break).
int GetKeysCount(int Status);
QString GetUpdateKeysResult(int ResultCode, int Status);
// The line for the first result byte of the key-update command.
QString UpdateOKPKeysResultToStr(quint8 Value);
