#include "wizard/registration/EnterSerial.h"
#include "wizard/shell/Controller.h"
#include "wizard/registration/KKTParamsX5.h"
#include "wizard/registration/SelectClientType.h"

TfmEnterSerial::TfmEnterSerial() : TParamPage(QStringLiteral("Введите заводской номер")) {}

void TfmEnterSerial::Next()
{
    if (Controller().X5Mode)
        Controller().SetNext<TfmKKTParamsX5>();
    else
        Controller().SetNext<TfmSelectClientType>();
}
