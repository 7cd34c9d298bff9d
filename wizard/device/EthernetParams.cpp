#include "wizard/device/EthernetParams.h"
#include "wizard/shell/Controller.h"
#include "wizard/device/CheckEthernet.h"

TfmEthernetParams::TfmEthernetParams() : TParamPage(QStringLiteral("Параметры Ethernet")) {}

void TfmEthernetParams::Next()
{
    Controller().SetNext<TfmCheckEthernet>();
}
