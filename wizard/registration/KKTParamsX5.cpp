#include "wizard/registration/KKTParamsX5.h"
#include "wizard/shell/Controller.h"
#include "wizard/registration/OpenRegParamsX5.h"

TfmKKTParamsX5::TfmKKTParamsX5() : TParamPage(QStringLiteral("Сохранить параметры ФР (X5)")) {}

void TfmKKTParamsX5::Next()
{
    Controller().SetNext<TfmOpenRegParamsX5>();
}
