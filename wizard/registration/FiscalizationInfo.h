#pragma once
// "Печать чека о фискализации". The page's own controls and device work join with its issue;
// until then its next passes on along the job's path.

#include "wizard/shell/ParamPage.h"

class TfmFiscalizationInfo : public TParamPage
{
    Q_OBJECT
public:
    TfmFiscalizationInfo();
    void Next() override;
};
