#include "wizard/registration/INN.h"
#include "wizard/shell/Controller.h"
#include "wizard/registration/WorkMode.h"

TfmINN::TfmINN() : TParamPage(QStringLiteral("Введите ИНН и РНМ ККТ")) {}

void TfmINN::Next()
{
    Controller().SetNext<TfmWorkMode>();
}
