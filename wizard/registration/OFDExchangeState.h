#pragma once
// "Проверка отправки данных в ОФД". The page's own controls and device work join with its issue;
// until then its next passes on along the job's path.

#include "wizard/shell/ParamPage.h"

class TfmOFDExchangeState : public TParamPage
{
    Q_OBJECT
public:
    TfmOFDExchangeState();
    void Next() override;
};
