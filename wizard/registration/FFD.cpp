#include "wizard/registration/FFD.h"
#include "wizard/shell/Controller.h"
#include "wizard/registration/OFDParams.h"

TfmFFD::TfmFFD() : TParamPage(QStringLiteral("Версия ФФД")) {}

void TfmFFD::Next()
{
    Controller().SetNext<TfmOFDParams>();
}
