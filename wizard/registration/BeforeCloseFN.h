#pragma once
// "Закрытие архива ФН", first step: the cashier who closes the archive; his
// name and position go into the system administrator's row of the cashier
// table, from where the closing document takes them.

#include "wizard/shell/ParamPage.h"

class QLabel;
class QLineEdit;

class TfmBeforeCloseFN : public TParamPage
{
    Q_OBJECT
public:
    TfmBeforeCloseFN();
    void Next() override;

private:
    QLabel *lblSerialEntered = nullptr;
    QLabel *lblCashier = nullptr;
    QLineEdit *edtCashier = nullptr;
};
