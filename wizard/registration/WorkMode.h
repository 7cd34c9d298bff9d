#pragma once
// "Тип налогообложения и режим работы ККТ". The page's own controls and device work join with its issue;
// until then its next passes on along the job's path.

#include "wizard/shell/ParamPage.h"

class TfmWorkMode : public TParamPage
{
    Q_OBJECT
public:
    TfmWorkMode();
    void Next() override;
};
