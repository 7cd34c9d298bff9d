#include "wizard/device/ConnectDevice.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/SelectWorkType.h"

TfmConnectDevice::TfmConnectDevice() : TParamPage(QStringLiteral("Подключите устройство")) {}

void TfmConnectDevice::FormShow()
{
    CreateWizardDriver();
}

void TfmConnectDevice::Next()
{
    TDisconnectOnExit disconnect;
    TKassio &d = WizardDriver();
    CheckResult(d.GetDeviceMetrics());
    TController &c = Controller();
    c.KKTName = d.UDescription.trimmed();
    // A register that cannot tell its number is still usable: show why.
    c.KKTSN = d.ReadSerialNumber() == 0 ? d.SerialNumber.trimmed() : d.ResultCodeDescription;
    c.SetNext<TfmSelectWorkType>();
}
