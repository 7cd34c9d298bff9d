#pragma once
// The report lines of the FN pages: one leading blank, "name: value" with
// the name padded to a column, "[да]"/"[нет]" flags, separators, and the
// decoded blocks of the drive's outputs.

#include <QDateTime>
#include <QString>

#include <span>

class QFileDialog;
class QPlainTextEdit;
class QWidget;
class TKassio;
struct TFnBit;

// Date and time in the system's short date and long time format.
QString DateTimeText(const QDateTime &Value);
// The driver's Date and Time properties taken together.
QString DateTimeText(const QDateTime &Date, const QDateTime &Time);

class TFnReport
{
public:
    static constexpr int NameWidth = 24;
    static constexpr int BoolWidth = 40;

    explicit TFnReport(QPlainTextEdit *Memo) : FMemo(Memo) {}

    // Adds the text as it is; a line break in it starts a new line.
    void Add(const QString &Text);
    void AddMemoLine(const QString &Text);
    void AddLineWidth(const QString &Name, const QString &Value, int Width);
    void AddLine(const QString &Name, const QString &Value);
    void AddBool(const QString &Name, bool Flag);
    void AddSeparator();

    void AddLifeState(int Value);
    void AddTaxSystem(int Value);
    void AddWorkMode(int Value);
    void AddWorkModeEx(int Value);
    void AddRegistrationReasonCodeEx(int Value);
    // The block of a found document, chosen by its DocumentType.
    void AddDocumentData(const TKassio &Driver);

private:
    void AddBitBlock(const QString &Heading, int Value, std::span<const TFnBit> Bits);

    QPlainTextEdit *FMemo;
};

// The save dialog of an FN page: default extension ".txt", filters "*.txt"
// and "*.*", asks before overwriting.
QFileDialog *CreateSaveDialog(QWidget *Parent);
// Shows the dialog; when confirmed, writes the memo's lines to the chosen
// file in the system's code page, CR LF separated.
void SaveMemoAs(QFileDialog *Dialog, const QPlainTextEdit *Memo);
void SaveMemoLines(const QString &FileName, const QPlainTextEdit *Memo);
