#include "wizard/registration/OFDExchangeState.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/FinalMessage.h"

TfmOFDExchangeState::TfmOFDExchangeState() : TParamPage(QStringLiteral("Проверка отправки данных в ОФД")) {}

void TfmOFDExchangeState::Next()
{
    Controller().SetNext<TfmFinalMessage>();
}
