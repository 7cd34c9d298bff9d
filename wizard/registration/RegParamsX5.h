#pragma once
// "Параметры регистрации (X5)": the cashier and the settings the X5
// customer's file does not hold.

#include "wizard/shell/ParamPage.h"

class QComboBox;
class QLabel;
class QLineEdit;

class TfmRegParamsX5 : public TParamPage
{
    Q_OBJECT
public:
    TfmRegParamsX5();
    void FormShow() override;
    void Next() override;

private:
    QLineEdit *edtCashierName = nullptr;
    QLineEdit *edtCashierPosition = nullptr;
    QLineEdit *edtCashierINN = nullptr;
    QLineEdit *edtFNSSite = nullptr;
    QLineEdit *edtSenderEmail = nullptr;
    QComboBox *cbbFFD = nullptr;
    QLabel *lblReasonCode = nullptr;
    QComboBox *cbbReasonCode = nullptr;
};
