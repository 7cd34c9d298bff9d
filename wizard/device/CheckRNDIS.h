#pragma once
// "Проверка связи по RNDIS". The page's own controls and device work join with its issue;
// until then its next passes on along the job's path.

#include "wizard/shell/ParamPage.h"

class TfmCheckRNDIS : public TParamPage
{
    Q_OBJECT
public:
    TfmCheckRNDIS();
    void Next() override;
};
