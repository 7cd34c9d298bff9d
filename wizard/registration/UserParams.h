#pragma once
// "Настройки места установки ККТ": organisation, operator, address and place
// of settlements, sender e-mail and cashier INN.

#include "wizard/shell/ParamPage.h"

class QLineEdit;

class TfmUserParams : public TParamPage
{
    Q_OBJECT
public:
    TfmUserParams();
    void FormShow() override;
    void Next() override;

private:
    QLineEdit *edtUser = nullptr;
    QLineEdit *edtOperator = nullptr;
    QLineEdit *edtAddress = nullptr;
    QLineEdit *edtPaymentPlace = nullptr;
    QLineEdit *edtSenderEmail = nullptr;
    QLineEdit *edtCashierINN = nullptr;
};
