#pragma once
// The text listings of the status pages: the line operations both pages
// share and the status blocks they both write. The two pages differ in their
// label and separator widths and in a few lines of each block (TListingKind).

#include <QString>

class QPlainTextEdit;
class QWidget;
class TDriver;

enum class TListingKind {
    Requests, // "Запросы": one request a listing
    Full      // "Полное состояние": everything in one listing
};

// What the register can do, read once before a block is written.
struct TStatusCaps
{
    bool FN = false;
    bool CashCore = false;
    bool SKNO = false;
    bool LastPrintResult = false;
    int ModelID = 0;
};

// Code texts of the listings.
QString PortNumToStr(int n);
QString FMRecordTypeToStr(int n);
int GetKeysCount(int s);
QString UpdateKeysStatusToStr(int s);
QString UpdateKeysErrorCodeToStr(int code, int s);


class TStatusListing
{
public:
    TStatusListing(TListingKind kind, QPlainTextEdit *memo);

    // A line exactly as given (headings carry their own leading blank).
    void AddText(const QString &text);
    // A blank, then the text.
    void AddMemoLine(const QString &text);
    // "%-*s: %s" after a blank.
    void AddLineWidth(const QString &label, const QString &value, int width);
    void AddLine(const QString &label, const QString &value);
    void AddLine(const QString &label, int value);
    void AddBool(const QString &label, bool flag);
    void AddSeparator();
    // An empty line, a separator, the heading, a separator.
    void AddHeading(const QString &heading);

    // The status blocks; the driver holds the answer of the request.
    void AddLongStatus(TDriver &d, const TStatusCaps &caps);   // after GetECRStatus
    void AddShortStatus(TDriver &d, const TStatusCaps &caps);  // after GetShortECRStatus
    void AddDeviceMetrics(TDriver &d);                         // after GetDeviceMetrics

private:
    void AddModeLines(TDriver &d, const QString &heading, const QString &modeIndent);
    void AddDeviceFlags(TDriver &d, const QString &label, bool fn);
    void AddSKNOStatus(int status);

    TListingKind FKind;
    QPlainTextEdit *FMemo;
    int FLines; // lines in the memo
};

// Hexadecimal with upper-case digits, at least digits wide ("%.4x").
QString HexText(qint64 value, int digits);
