#pragma once
// "Параметры Ethernet": the register's wired network settings, by DHCP or a
// static address, written to tables 21 and 16; then the LAN check.

#include "wizard/device/NetParamsPage.h"

class TfmEthernetParams : public TNetParamsPage
{
    Q_OBJECT
public:
    TfmEthernetParams();
    void FormShow() override;
    void Next() override;
};
