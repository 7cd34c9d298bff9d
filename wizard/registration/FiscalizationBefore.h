#pragma once
// "Регистрация ККТ": the registration data as the report will show it; next
// runs the registration on the register.

#include "wizard/shell/ParamPage.h"
#include "wizard/shell/Slip.h"

class QLabel;
class QPlainTextEdit;

class TfmFiscalizationBefore : public TParamPage
{
    Q_OBJECT
public:
    TfmFiscalizationBefore();
    void FormShow() override;
    void Next() override;

private:
    QLabel *lbl1 = nullptr;
    QPlainTextEdit *Memo = nullptr;
    TSlip FSlip{80};
};
