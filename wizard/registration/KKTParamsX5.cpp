#include "wizard/registration/KKTParamsX5.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/registration/DataPageForm.h"
#include "wizard/registration/OpenRegParamsX5.h"
#include "wizard/registration/WizardFileDialogs.h"
#include "wizard/registration/X5Files.h"
#include "wizard/shell/Controller.h"

#include <QComboBox>
#include <QDate>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

TfmKKTParamsX5::TfmKKTParamsX5() : TParamPage(QStringLiteral("Сохранить параметры ФР (X5)"))
{
    auto *form = new QFormLayout(this);
    edtFactoryCode = AddFormEdit(form, "edtFactoryCode", QStringLiteral("Код завода:"), 0, "Label1");
    edtAutomatNumber = AddFormEdit(form, "edtAutomatNumber", QStringLiteral("Номер автомата:"), 0, "Label2");
    auto *lbl2 = new QLabel(QStringLiteral("Модель ФН:"), this);
    lbl2->setObjectName(QStringLiteral("lbl2"));
    cbbModelFN = new QComboBox(this);
    cbbModelFN->setObjectName(QStringLiteral("cbbModelFN"));
    cbbModelFN->addItems({QStringLiteral("1.0"), QStringLiteral("1.05"), QStringLiteral("1.1")});
    cbbModelFN->setCurrentIndex(0);
    lbl2->setBuddy(cbbModelFN);
    form->addRow(lbl2, cbbModelFN);
    AddFormLabel(form, "lbl1", QStringLiteral("Нажмите \"Далее\", чтобы сохранить параметры ФР"));
}

void TfmKKTParamsX5::Next()
{
    TController &c = Controller();
    TX5KKTParamsRec rec;
    rec.FactoryCode = edtFactoryCode->text();
    rec.AutomatNumber = edtAutomatNumber->text();
    c.RegParams.AutomatNumber = rec.AutomatNumber;
    {
        TDisconnectOnExit disconnect;
        TKassio &d = WizardDriver();
        CheckResult(d.ReadSerialNumber());
        rec.KKTSerial = d.SerialNumber.trimmed();
        CheckResult(d.GetDeviceMetrics());
        rec.KKTModel = d.UDescription.trimmed();
        rec.KKTModelNumber = QString::number(d.UModel);
        CheckResult(d.FNGetSerial());
        rec.FNSerial = d.SerialNumber.trimmed();
    }
    rec.FNModel = X5FNModel(cbbModelFN->currentIndex());
    c.RegParams.X5FactoryCode = rec.FactoryCode;

    TWizardFileDialog request;
    request.save = true;
    request.fileName = X5FileName(X5KKTParams, rec.KKTSerial, rec.FactoryCode, QDate::currentDate());
    request.filter = WizardFileFilter(QStringLiteral("txt"));
    request.defaultSuffix = QStringLiteral("txt");
    const QString file = WizardFileDialog(this, request);
    // Cancelled: no page is named and the user stays here.
    if (file.isEmpty())
        return;
    WriteX5KKTParams(file, rec);
    c.SetNext<TfmOpenRegParamsX5>();
}
