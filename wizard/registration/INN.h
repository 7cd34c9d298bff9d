#pragma once
// "Введите ИНН и РНМ ККТ": the taxpayer's INN (check digits) and the
// register's registration number (checked against its factory number).

#include "wizard/shell/ParamPage.h"

class QLabel;
class QLineEdit;

class TfmINN : public TParamPage
{
    Q_OBJECT
public:
    TfmINN();
    void FormShow() override;
    void Next() override;

private:
    QLineEdit *edtINN = nullptr;
    QLineEdit *edtRNM = nullptr;
    QLabel *lblInfo = nullptr;
};
