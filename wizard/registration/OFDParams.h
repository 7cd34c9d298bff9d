#pragma once
// "Настройки ОФД". The page's own controls and device work join with its issue;
// until then its next passes on along the job's path.

#include "wizard/shell/ParamPage.h"

class TfmOFDParams : public TParamPage
{
    Q_OBJECT
public:
    TfmOFDParams();
    void Next() override;
};
