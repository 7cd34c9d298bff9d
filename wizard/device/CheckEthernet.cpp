#include "wizard/device/CheckEthernet.h"
#include "wizard/shell/Controller.h"
#include "wizard/registration/OFDExchangeState.h"

TfmCheckEthernet::TfmCheckEthernet() : TParamPage(QStringLiteral("Проверка связи по Ethernet")) {}

void TfmCheckEthernet::Next()
{
    Controller().SetNext<TfmOFDExchangeState>();
}
