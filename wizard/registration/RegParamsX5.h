#pragma once
// "Параметры регистрации (X5)". The page's own controls and device work join with its issue;
// until then its next passes on along the job's path.

#include "wizard/shell/ParamPage.h"

class TfmRegParamsX5 : public TParamPage
{
    Q_OBJECT
public:
    TfmRegParamsX5();
    void Next() override;
};
