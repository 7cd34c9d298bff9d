#pragma once
// "Печать чека о фискализации": the registration as the register recorded
// it, to print as a receipt for the OFD's personal account or to save.

#include "wizard/shell/ParamPage.h"
#include "wizard/shell/Slip.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

class TfmFiscalizationInfo : public TParamPage
{
    Q_OBJECT
public:
    TfmFiscalizationInfo();
    void FormShow() override;
    void Next() override;

private:
    void ReadResult();
    int PrintWidthInChars();
    void btnPrintReceiptClick();
    void btnSaveClick();
    void btnSaveX5Click();

    QLabel *lbl1 = nullptr;
    QPlainTextEdit *Memo = nullptr;
    QLabel *lbl2 = nullptr;
    QLabel *lbl3 = nullptr;
    QPushButton *btnPrintReceipt = nullptr;
    QPushButton *btnSave = nullptr;
    QPushButton *btnSaveX5 = nullptr;
    TSlip FSlip{40};
};
