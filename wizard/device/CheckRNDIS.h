#pragma once
// "Проверка связи по RNDIS": the LAN check at the address typed on the RNDIS
// settings page.

#include "wizard/device/CheckLANPage.h"

class TfmCheckRNDIS : public TfmCheckLAN
{
    Q_OBJECT
public:
    TfmCheckRNDIS();
};
