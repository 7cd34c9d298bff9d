#pragma once
// "Закрытие архива ФН". The page's own controls and device work join with its issue;
// until then its next passes on along the job's path.

#include "wizard/shell/ParamPage.h"

class TfmCloseFN : public TParamPage
{
    Q_OBJECT
public:
    TfmCloseFN();
    void Next() override;
};
