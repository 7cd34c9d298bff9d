#pragma once
// "Настройки места установки ККТ". The page's own controls and device work join with its issue;
// until then its next passes on along the job's path.

#include "wizard/shell/ParamPage.h"

class TfmUserParams : public TParamPage
{
    Q_OBJECT
public:
    TfmUserParams();
    void Next() override;
};
