#pragma once
// "Параметры Ethernet". The page's own controls and device work join with its issue;
// until then its next passes on along the job's path.

#include "wizard/shell/ParamPage.h"

class TfmEthernetParams : public TParamPage
{
    Q_OBJECT
public:
    TfmEthernetParams();
    void Next() override;
};
