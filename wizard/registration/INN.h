#pragma once
// "Введите ИНН и РНМ ККТ". The page's own controls and device work join with its issue;
// until then its next passes on along the job's path.

#include "wizard/shell/ParamPage.h"

class TfmINN : public TParamPage
{
    Q_OBJECT
public:
    TfmINN();
    void Next() override;
};
