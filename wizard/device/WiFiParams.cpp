#include "wizard/device/WiFiParams.h"
#include "wizard/shell/Controller.h"
#include "wizard/registration/OFDExchangeState.h"

TfmWiFiParams::TfmWiFiParams() : TParamPage(QStringLiteral("Настройки подключения WiFi")) {}

void TfmWiFiParams::Next()
{
    // There is no WiFi check page: the OFD exchange state shows whether the
    // register reaches the OFD.
    Controller().SetNext<TfmOFDExchangeState>();
}
