#include "wizard/device/CheckRNDIS.h"
#include "wizard/shell/Controller.h"
#include "wizard/registration/OFDExchangeState.h"

TfmCheckRNDIS::TfmCheckRNDIS() : TParamPage(QStringLiteral("Проверка связи по RNDIS")) {}

void TfmCheckRNDIS::Next()
{
    Controller().SetNext<TfmOFDExchangeState>();
}
