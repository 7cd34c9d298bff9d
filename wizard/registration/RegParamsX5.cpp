#include "wizard/registration/RegParamsX5.h"
#include "wizard/shell/Controller.h"
#include "wizard/registration/FiscalizationBefore.h"

TfmRegParamsX5::TfmRegParamsX5() : TParamPage(QStringLiteral("Параметры регистрации (X5)")) {}

void TfmRegParamsX5::Next()
{
    Controller().SetNext<TfmFiscalizationBefore>();
}
