#pragma once
// "Подключите устройство", the start page: makes the wizard's driver
// instance and checks that the component is recent enough.

#include "wizard/shell/ParamPage.h"

#include <array>

class QLabel;

class TfmConnectDevice : public TParamPage
{
    Q_OBJECT
public:
    // The oldest component version the wizard works with.
    static constexpr std::array<unsigned, 4> MinDriverVersion{4, 13, 0, 594};

    TfmConnectDevice();
    void FormShow() override;
    void Next() override;

private:
    QLabel *lbl1 = nullptr;
    QLabel *lblInfo = nullptr;
};
