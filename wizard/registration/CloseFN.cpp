#include "wizard/registration/CloseFN.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/SelectWorkType.h"

TfmCloseFN::TfmCloseFN() : TParamPage(QStringLiteral("Закрытие архива ФН")) {}

void TfmCloseFN::Next()
{
    Controller().SetNext<TfmSelectWorkType>();
}
