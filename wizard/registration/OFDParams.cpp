#include "wizard/registration/OFDParams.h"
#include "wizard/shell/Controller.h"
#include "wizard/device/SelectNetType.h"
#include "wizard/registration/UserParams.h"

TfmOFDParams::TfmOFDParams() : TParamPage(QStringLiteral("Настройки ОФД")) {}

void TfmOFDParams::Next()
{
    if (Controller().IsOFDSettingMode)
        Controller().SetNext<TfmSelectNetType>();
    else
        Controller().SetNext<TfmUserParams>();
}
