#pragma once
// "Настройки подключения RNDIS". The page's own controls and device work join with its issue;
// until then its next passes on along the job's path.

#include "wizard/shell/ParamPage.h"

class TfmRNDISParams : public TParamPage
{
    Q_OBJECT
public:
    TfmRNDISParams();
    void Next() override;
};
