#include "wizard/registration/BeforeCloseFN.h"
#include "wizard/shell/Controller.h"
#include "wizard/registration/CloseFN.h"

TfmBeforeCloseFN::TfmBeforeCloseFN() : TParamPage(QStringLiteral("Закрытие архива ФН")) {}

void TfmBeforeCloseFN::Next()
{
    Controller().SetNext<TfmCloseFN>();
}
