#include "wizard/device/RNDISParams.h"
#include "wizard/shell/Controller.h"
#include "wizard/device/CheckRNDIS.h"

TfmRNDISParams::TfmRNDISParams() : TParamPage(QStringLiteral("Настройки подключения RNDIS")) {}

void TfmRNDISParams::Next()
{
    Controller().SetNext<TfmCheckRNDIS>();
}
