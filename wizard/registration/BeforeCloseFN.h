#pragma once
// "Закрытие архива ФН". The page's own controls and device work join with its issue;
// until then its next passes on along the job's path.

#include "wizard/shell/ParamPage.h"

class TfmBeforeCloseFN : public TParamPage
{
    Q_OBJECT
public:
    TfmBeforeCloseFN();
    void Next() override;
};
