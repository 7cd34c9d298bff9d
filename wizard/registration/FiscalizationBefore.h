#pragma once
// "Регистрация ККТ". The page's own controls and device work join with its issue;
// until then its next passes on along the job's path.

#include "wizard/shell/ParamPage.h"

class TfmFiscalizationBefore : public TParamPage
{
    Q_OBJECT
public:
    TfmFiscalizationBefore();
    void Next() override;
};
