#include "wizard/registration/FFD.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/registration/OFDParams.h"
#include "wizard/registration/PageControls.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/WizardErrors.h"
#include "wizard/shell/WizardMessages.h"

#include <QComboBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace {

// Firmware that takes FFD 1.2 although its version does not begin with "D".
bool knownFFD12Firmware(const QString &version)
{
    return version.startsWith(u'D') || version == u"C.4" || version == u"C.3" || version == u"E.3";
}

constexpr int ModelWithoutFFDCheck = 152;

} // namespace

TfmFFD::TfmFFD() : TParamPage(QStringLiteral("Версия ФФД"))
{
    lblFFD = NamedLabel(this, "lblFFD", QStringLiteral("Версия ФФД:"));
    cbbFFD = new QComboBox(this);
    cbbFFD->setObjectName(QStringLiteral("cbbFFD"));
    cbbFFD->addItem(QStringLiteral("ФФД 1.05"), 2);
    cbbFFD->addItem(QStringLiteral("ФФД 1.2"), 4);
    lbl2 = NamedLabel(this, "lbl2", QStringLiteral("Укажите нужные параметры и нажмите \"Далее\""));
    auto *form = new QFormLayout;
    form->addRow(lblFFD, cbbFFD);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
    layout->addWidget(lbl2);
}

void TfmFFD::FormShow()
{
    TDisconnectOnExit disconnect;
    cbbFFD->setCurrentIndex(0);
    const int index = cbbFFD->findData(ReadDeviceFFD());
    cbbFFD->setCurrentIndex(index >= 0 ? index : 0);
}

void TfmFFD::Next()
{
    TDisconnectOnExit disconnect;
    TKassio &d = WizardDriver();
    const int value = cbbFFD->currentData().toInt();
    CheckResult(d.GetDeviceMetrics());
    if (d.UModel != ModelWithoutFFDCheck && !ModelParam28NotTrue()) {
        CheckResult(d.GetECRStatus());
        if (value == 4 && !knownFFD12Firmware(d.ECRSoftVersion)) {
            const auto answer = WizardMessage(this, TWizardMessageKind::Warning,
                                              QStringLiteral("Установленная в ККТ версия прошивки\r\nскорее всего "
                                                             "несовместима ФФД 1.2\r\nВы уверены, что хотите продолжить?"),
                                              QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel,
                                              WarningTitle());
            if (answer != QMessageBox::Ok)
                throw EWizardAbort();
        }
    }
    Controller().RegParams.FFD = value;
    Controller().SetNext<TfmOFDParams>();
}
