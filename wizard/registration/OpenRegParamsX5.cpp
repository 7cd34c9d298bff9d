#include "wizard/registration/OpenRegParamsX5.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/registration/DataPageForm.h"
#include "wizard/registration/RegParamsX5.h"
#include "wizard/registration/WizardFileDialogs.h"
#include "wizard/registration/X5Files.h"
#include "wizard/shell/Controller.h"

#include <QFormLayout>

TfmOpenRegParamsX5::TfmOpenRegParamsX5() : TParamPage(QStringLiteral("Открыть файл с парметрами (X5)"))
{
    auto *form = new QFormLayout(this);
    AddFormLabel(form, "lbl2", QStringLiteral("Нажмите \"Далее\", чтобы выбрать файл с параметрами регистрации"));
}

void TfmOpenRegParamsX5::Next()
{
    TController &c = Controller();
    TWizardFileDialog request;
    request.filter = WizardFileFilter(QStringLiteral("txt"));
    request.defaultSuffix = QStringLiteral("txt");
    const QString file = WizardFileDialog(this, request);
    if (file.isEmpty())
        return;
    // Filled into a copy: a bad file or a failing register leaves the
    // record as it was, never half filled.
    TRegParams params = c.RegParams;
    ReadX5RegParams(file, params);
    {
        TDisconnectOnExit disconnect;
        TKassio &d = WizardDriver();
        CheckResult(d.FNGetSerial());
        params.FNSerial = d.SerialNumber;
        CheckResult(d.ReadSerialNumber());
        params.KKTSerial = d.SerialNumber;
    }
    c.RegParams = params;
    c.SetNext<TfmRegParamsX5>();
}
