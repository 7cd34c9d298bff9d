#pragma once
// "Настройки подключения RNDIS": the register on the computer's USB network,
// always with a static address, written to tables 21 and 16; then the LAN
// check at the typed address.

#include "wizard/device/NetParamsPage.h"

class TfmRNDISParams : public TNetParamsPage
{
    Q_OBJECT
public:
    TfmRNDISParams();
    void FormShow() override;
    void Next() override;
};
