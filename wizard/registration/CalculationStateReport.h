#pragma once
// "Отчет о текущем состоянии расчетов". The page's own controls and device work join with its issue;
// until then its next passes on along the job's path.

#include "wizard/shell/ParamPage.h"

class TfmCalculationStateReport : public TParamPage
{
    Q_OBJECT
public:
    TfmCalculationStateReport();
    void Next() override;
};
