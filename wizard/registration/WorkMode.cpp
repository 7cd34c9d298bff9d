#include "wizard/registration/WorkMode.h"
#include "wizard/shell/Controller.h"
#include "wizard/registration/FiscalizationBefore.h"

TfmWorkMode::TfmWorkMode() : TParamPage(QStringLiteral("Тип налогообложения и режим работы ККТ")) {}

void TfmWorkMode::Next()
{
    Controller().SetNext<TfmFiscalizationBefore>();
}
