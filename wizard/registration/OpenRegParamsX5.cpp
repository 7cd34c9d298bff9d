#include "wizard/registration/OpenRegParamsX5.h"
#include "wizard/shell/Controller.h"
#include "wizard/registration/RegParamsX5.h"

TfmOpenRegParamsX5::TfmOpenRegParamsX5() : TParamPage(QStringLiteral("Открыть файл с парметрами (X5)")) {}

void TfmOpenRegParamsX5::Next()
{
    Controller().SetNext<TfmRegParamsX5>();
}
