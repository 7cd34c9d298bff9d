#include "wizard/registration/CheckStatus.h"
#include "wizard/registration/BeforeCloseFN.h"
#include "wizard/registration/EnterSerial.h"
#include "wizard/registration/SelectClientType.h"
#include "wizard/shell/Controller.h"

TfmCheckStatus::TfmCheckStatus() : TParamPage(QStringLiteral("Проверка состояния")) {}

void TFmCheckStatusBeforeRegistration::Next()
{
    Controller().SetNext<TfmEnterSerial>();
}

void TFmCheckStatusBeforeReRegistration::Next()
{
    Controller().SetNext<TfmSelectClientType>();
}

void TFmCheckStatusBeforeCloseFN::Next()
{
    Controller().SetNext<TfmBeforeCloseFN>();
}
