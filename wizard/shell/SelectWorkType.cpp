#include "wizard/shell/SelectWorkType.h"
#include "wizard/device/ConnectDevice.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/registration/CalculationStateReport.h"
#include "wizard/registration/CheckStatus.h"
#include "wizard/registration/KKTParamsX5.h"
#include "wizard/registration/OFDParams.h"
#include "wizard/shell/Controller.h"

#include <QBoxLayout>
#include <QLabel>
#include <QListWidget>

namespace {

const QStringList &jobs()
{
    static const QStringList all{
        QStringLiteral("Регистрация новой ККТ"),
        QStringLiteral("Перерегистрация ККТ без замены ФН"),
        QStringLiteral("Перерегистрация ККТ с заменой ФН"),
        QStringLiteral("Отчет о текущем состоянии расчетов"),
        QStringLiteral("Закрытие архива ФН"),
        QStringLiteral("Настройка связи с ОФД"),
    };
    return all;
}

} // namespace

TfmSelectWorkType::TfmSelectWorkType() : TChoicePage(QStringLiteral("Выберите тип работы"), {})
{
    lblDevice = new QLabel(this);
    lblDevice->setObjectName(QStringLiteral("lblDevice"));
    lblDevice->setAlignment(Qt::AlignHCenter);
    QFont font(QStringLiteral("Arial"), 16);
    font.setBold(true);
    lblDevice->setFont(font);
    static_cast<QBoxLayout *>(layout())->insertWidget(0, lblDevice);
}

void TfmSelectWorkType::FormShow()
{
    TController &c = Controller();
    // Back from the job list returns to the start, skipping the connection pages.
    if (TParamPage *start = c.FindPageByClass(&TfmConnectDevice::staticMetaObject))
        PrevPage = start;
    c.ClearRegParams();
    SetItems(jobs().mid(0, 5));

    TDisconnectOnExit disconnect;
    TKassio &d = WizardDriver();
    d.ModelParamNumber = 73;
    c.RegParams.OFDEnabled = false;
    // On failure the error propagates with the five jobs listed.
    const int code = d.ReadModelParamValue();
    if (code != 0) {
        TChoicePage::FormShow();
        CheckResult(code);
    }
    if (d.ModelParamValue.toInt() > 0) {
        SetItems(jobs());
        c.RegParams.OFDEnabled = true;
    }
    TChoicePage::FormShow();
    lblDevice->setText(c.KKTName + QStringLiteral(", зав. номер ") + c.KKTSN);
}

void TfmSelectWorkType::Next()
{
    TController &c = Controller();
    TRegParams &r = c.RegParams;
    c.IsOFDSettingMode = false;
    switch (Choice()) {
    case 0:
        r.FirstTime = true;
        // A re-registration run before must not leave its "new FN" to this job.
        r.NewFN = false;
        c.SetNext<TFmCheckStatusBeforeRegistration>();
        break;
    case 1:
    case 2:
        r.FirstTime = false;
        r.NewFN = Choice() == 2;
        if (c.X5Mode)
            c.SetNext<TfmKKTParamsX5>();
        else
            c.SetNext<TFmCheckStatusBeforeReRegistration>();
        break;
    case 3:
        c.SetNext<TfmCalculationStateReport>();
        break;
    case 4:
        c.SetNext<TFmCheckStatusBeforeCloseFN>();
        break;
    case 5:
        c.IsOFDSettingMode = true;
        c.SetNext<TfmOFDParams>();
        break;
    default:
        break;
    }
}
