#pragma once
// "Версия ФФД". The page's own controls and device work join with its issue;
// until then its next passes on along the job's path.

#include "wizard/shell/ParamPage.h"

class TfmFFD : public TParamPage
{
    Q_OBJECT
public:
    TfmFFD();
    void Next() override;
};
