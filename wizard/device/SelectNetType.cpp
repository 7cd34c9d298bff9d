#include "wizard/device/SelectNetType.h"
#include "wizard/device/EthernetParams.h"
#include "wizard/device/RNDISParams.h"
#include "wizard/device/WiFiParams.h"
#include "wizard/shell/Controller.h"

TfmSelectNetType::TfmSelectNetType()
    : TChoicePage(QStringLiteral("Выберите тип подключения к ОФД"),
                  {QStringLiteral("Ethernet"), QStringLiteral("WiFi"), QStringLiteral("RNDIS")})
{
}

void TfmSelectNetType::Next()
{
    TController &c = Controller();
    switch (Choice()) {
    case 0: c.SetNext<TfmEthernetParams>(); break;
    case 1: c.SetNext<TfmWiFiParams>(); break;
    case 2: c.SetNext<TfmRNDISParams>(); break;
    default: return;
    }
    c.NetType = Choice();
    c.IsRNDIS = Choice() == 2;
}
