#pragma once
// "Проверка отправки данных в ОФД": whether the register has sent every
// document to the OFD over the connection just set up.

#include "wizard/shell/ParamPage.h"

class QLabel;
class QPushButton;

class TfmOFDExchangeState : public TParamPage
{
    Q_OBJECT
public:
    TfmOFDExchangeState();
    void FormShow() override;
    void Next() override;
    void UpdateState();

private:
    QLabel *lblInfo = nullptr;
    QPushButton *btnRefresh = nullptr;
};
