#pragma once
// "Поиск устройств". The page's own controls and device work join with its issue;
// until then its next passes on along the job's path.

#include "wizard/shell/ParamPage.h"

class TfmSearchDevice : public TParamPage
{
    Q_OBJECT
public:
    TfmSearchDevice();
    void Next() override;
};
