#include "wizard/registration/CalculationStateReport.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/SelectWorkType.h"

TfmCalculationStateReport::TfmCalculationStateReport() : TParamPage(QStringLiteral("Отчет о текущем состоянии расчетов")) {}

void TfmCalculationStateReport::Next()
{
    Controller().SetNext<TfmSelectWorkType>();
}
