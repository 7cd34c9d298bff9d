#include "wizard/registration/FiscalizationInfo.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/FinalMessage.h"

TfmFiscalizationInfo::TfmFiscalizationInfo() : TParamPage(QStringLiteral("Печать чека о фискализации")) {}

void TfmFiscalizationInfo::Next()
{
    Controller().SetNext<TfmFinalMessage>();
}
