#pragma once
// "Проверка связи по Ethernet". The page's own controls and device work join with its issue;
// until then its next passes on along the job's path.

#include "wizard/shell/ParamPage.h"

class TfmCheckEthernet : public TParamPage
{
    Q_OBJECT
public:
    TfmCheckEthernet();
    void Next() override;
};
