#pragma once
// "Открыть файл с парметрами (X5)". The page's own controls and device work join with its issue;
// until then its next passes on along the job's path.

#include "wizard/shell/ParamPage.h"

class TfmOpenRegParamsX5 : public TParamPage
{
    Q_OBJECT
public:
    TfmOpenRegParamsX5();
    void Next() override;
};
