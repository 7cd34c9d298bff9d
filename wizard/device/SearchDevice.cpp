#include "wizard/device/SearchDevice.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/SelectWorkType.h"

TfmSearchDevice::TfmSearchDevice() : TParamPage(QStringLiteral("Поиск устройств")) {}

void TfmSearchDevice::Next()
{
    Controller().SetNext<TfmSelectWorkType>();
}
