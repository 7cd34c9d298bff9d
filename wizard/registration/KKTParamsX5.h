#pragma once
// "Сохранить параметры ФР (X5)": writes the register's identity into a file
// for the X5 customer, who prepares the registration data from it.

#include "wizard/shell/ParamPage.h"

class QComboBox;
class QLineEdit;

class TfmKKTParamsX5 : public TParamPage
{
    Q_OBJECT
public:
    TfmKKTParamsX5();
    void Next() override;

private:
    QLineEdit *edtFactoryCode = nullptr;
    QLineEdit *edtAutomatNumber = nullptr;
    QComboBox *cbbModelFN = nullptr;
};
