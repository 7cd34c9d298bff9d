#include "wizard/device/TCPParams.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/SelectWorkType.h"

TfmTCPParams::TfmTCPParams() : TParamPage(QStringLiteral("Параметры подключения по TCP")) {}

void TfmTCPParams::Next()
{
    Controller().SetNext<TfmSelectWorkType>();
}
