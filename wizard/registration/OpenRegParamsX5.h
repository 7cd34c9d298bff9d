#pragma once
// "Открыть файл с парметрами (X5)": reads the registration data file the X5
// customer prepared.

#include "wizard/shell/ParamPage.h"

class TfmOpenRegParamsX5 : public TParamPage
{
    Q_OBJECT
public:
    TfmOpenRegParamsX5();
    void Next() override;
};
