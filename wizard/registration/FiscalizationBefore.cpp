#include "wizard/registration/FiscalizationBefore.h"
#include "wizard/shell/Controller.h"
#include "wizard/registration/FiscalizationInfo.h"

TfmFiscalizationBefore::TfmFiscalizationBefore() : TParamPage(QStringLiteral("Регистрация ККТ")) {}

void TfmFiscalizationBefore::Next()
{
    Controller().SetNext<TfmFiscalizationInfo>();
}
