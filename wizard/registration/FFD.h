#pragma once
// "Версия ФФД": the FFD version the registration sets, 1.05 or 1.2; the
// register's current version is preselected when it is one of them.

#include "wizard/shell/ParamPage.h"

class QComboBox;
class QLabel;

class TfmFFD : public TParamPage
{
    Q_OBJECT
public:
    TfmFFD();
    void FormShow() override;
    void Next() override;

private:
    QLabel *lblFFD = nullptr;
    QComboBox *cbbFFD = nullptr;
    QLabel *lbl2 = nullptr;
};
