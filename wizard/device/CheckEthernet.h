#pragma once
// "Проверка связи по Ethernet": the LAN check at the address the register
// reports in its table 16, after waiting for DHCP.

#include "wizard/device/CheckLANPage.h"

class TfmCheckEthernet : public TfmCheckLAN
{
    Q_OBJECT
public:
    TfmCheckEthernet();
};
