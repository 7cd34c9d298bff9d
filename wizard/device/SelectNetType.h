#pragma once
// "Выберите тип подключения к ОФД": Ethernet, WiFi or RNDIS.

#include "wizard/shell/ChoicePage.h"

class TfmSelectNetType : public TChoicePage
{
    Q_OBJECT
public:
    TfmSelectNetType();
    void Next() override;
};
