#pragma once
// TfmFN, "Состояние ФН": one button for each service command of the fiscal
// drive; the outputs are written as report lines into the memo.

#include "testbench/pages/fn/FnReport.h"
#include "testbench/shell/Page.h"

class QFileDialog;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TfmFN : public TPage
{
    Q_OBJECT
public:
    explicit TfmFN(QWidget *parent = nullptr);

private:
    QPushButton *AddButton(const char *Name, const QString &Caption, const QString &Hint);
    // The common frame of a command: clear the memo, call, Check, then the lines.
    void OnCommand(QPushButton *Button, int (TKassio::*Method)(), std::function<void()> Lines = {});
    // The same, but without Check: the lines only when ResultCode is 0.
    void OnSuccessOnly(QPushButton *Button, int (TKassio::*Method)(), std::function<void()> Lines);

    void FNGetStatus();
    void FNOpenSession();
    void FNCloseFiscalMode();
    void FNFindDocument();
    void FNReadFiscalBarcode();
    void FNUpdateOKPKeys();

    QLineEdit *edtRequestType = nullptr;
    QLineEdit *edtDocumentNumber = nullptr;
    QPlainTextEdit *Memo = nullptr;
    QFileDialog *dlgSave = nullptr;
    TFnReport FReport{nullptr};
};
