#include "wizard/registration/UserParams.h"
#include "wizard/shell/Controller.h"
#include "wizard/registration/INN.h"

TfmUserParams::TfmUserParams() : TParamPage(QStringLiteral("Настройки места установки ККТ")) {}

void TfmUserParams::Next()
{
    Controller().SetNext<TfmINN>();
}
