#pragma once
// "Введите заводской номер". The page's own controls and device work join with its issue;
// until then its next passes on along the job's path.

#include "wizard/shell/ParamPage.h"

class TfmEnterSerial : public TParamPage
{
    Q_OBJECT
public:
    TfmEnterSerial();
    void Next() override;
};
