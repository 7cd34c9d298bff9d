#pragma once
// "Параметры подключения по TCP". The page's own controls and device work join with its issue;
// until then its next passes on along the job's path.

#include "wizard/shell/ParamPage.h"

class TfmTCPParams : public TParamPage
{
    Q_OBJECT
public:
    TfmTCPParams();
    void Next() override;
};
