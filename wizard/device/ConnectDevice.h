#pragma once
// "Подключите устройство", the start page: makes the wizard's driver
// instance. Choosing and checking the connection joins with the connection
// pages; until then next asks the register on the component's current
// connection (the built-in emulator on a fresh install) who it is and goes
// straight to the job list.

#include "wizard/shell/ParamPage.h"

class TfmConnectDevice : public TParamPage
{
    Q_OBJECT
public:
    TfmConnectDevice();
    void FormShow() override;
    void Next() override;
};
