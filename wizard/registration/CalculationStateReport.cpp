#include "wizard/registration/CalculationStateReport.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/registration/PageControls.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/SelectWorkType.h"
#include "wizard/shell/WizardMessages.h"

#include <QVBoxLayout>

TfmCalculationStateReport::TfmCalculationStateReport()
    : TParamPage(QStringLiteral("Отчет о текущем состоянии расчетов"))
{
    lblSerialEntered =
        NamedLabel(this, "lblSerialEntered", QStringLiteral("Нажмите \"Далее\" чтобы распечатать отчет о состоянии расчетов"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblSerialEntered);
    layout->addStretch();
}

void TfmCalculationStateReport::Next()
{
    TDisconnectOnExit disconnect;
    Controller().SetNext<TfmSelectWorkType>();
    CheckResult(WizardDriver().FNBuildCalculationStateReport());
    WizardMessage(this, TWizardMessageKind::Information, QStringLiteral("Отчет успешно распечатан"));
}
