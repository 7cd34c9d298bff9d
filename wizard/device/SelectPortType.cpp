#include "wizard/device/SelectPortType.h"
#include "wizard/device/SearchDevice.h"
#include "wizard/device/TCPParams.h"
#include "wizard/shell/Controller.h"

TfmSelectPortType::TfmSelectPortType()
    : TChoicePage(QStringLiteral("Выберите тип подключения к ККТ"),
                  {QStringLiteral("COM-порт"), QStringLiteral("TCP (Ethernet, WiFi, RNDIS)")})
{
}

void TfmSelectPortType::Next()
{
    if (Choice() == 0)
        Controller().SetNext<TfmSearchDevice>();
    else if (Choice() == 1)
        Controller().SetNext<TfmTCPParams>();
}
