#pragma once
// "Настройки подключения WiFi". The page's own controls and device work join with its issue;
// until then its next passes on along the job's path.

#include "wizard/shell/ParamPage.h"

class TfmWiFiParams : public TParamPage
{
    Q_OBJECT
public:
    TfmWiFiParams();
    void Next() override;
};
