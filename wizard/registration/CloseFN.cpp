#include "wizard/registration/CloseFN.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/registration/PageControls.h"
#include "wizard/registration/WizardFileDialogs.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/SelectWorkType.h"
#include "wizard/shell/WizardErrors.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

TfmCloseFN::TfmCloseFN() : TParamPage(QStringLiteral("Закрытие архива ФН"))
{
    lblStatus = NamedLabel(this, "lblStatus");
    QFont bold = lblStatus->font();
    bold.setBold(true);
    lblStatus->setFont(bold);
    lblX5FactoryCode = NamedLabel(this, "lblX5FactoryCode", QStringLiteral("Код завода:"));
    edtX5FactoryCode = new QLineEdit(this);
    edtX5FactoryCode->setObjectName(QStringLiteral("edtX5FactoryCode"));
    btnSaveX5 = NamedButton(this, "btnSaveX5", QStringLiteral("Сохранить в формате X5..."));
    auto *form = new QFormLayout;
    form->addRow(lblX5FactoryCode, edtX5FactoryCode);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblStatus);
    layout->addLayout(form);
    layout->addWidget(btnSaveX5);
    layout->addStretch();
    ShowX5Controls(false);
    connect(btnSaveX5, &QPushButton::clicked, this, [this] { WizardGuarded(this, [this] { btnSaveX5Click(); }); });
}

void TfmCloseFN::ShowX5Controls(bool visible)
{
    lblX5FactoryCode->setVisible(visible);
    edtX5FactoryCode->setVisible(visible);
    btnSaveX5->setVisible(visible);
}

void TfmCloseFN::FormShow()
{
    TDisconnectOnExit disconnect;
    ShowX5Controls(false);
    TKassio &d = WizardDriver();
    const int code = d.FNCloseFiscalMode();
    if (code != 0) {
        SetLabelColor(lblStatus, "red");
        lblStatus->setText(QStringLiteral("Ошибка при закрытии архива ФН: %1, %2").arg(code).arg(d.ResultCodeDescription));
        return;
    }
    SetLabelColor(lblStatus, "black");
    lblStatus->setText(QStringLiteral("Архив ФН успешно закрыт "));
    if (!Controller().X5Mode)
        return;
    ReadX5Params();
    ShowX5Controls(true);
}

// The closing document and the registration data, for the X5 report.
void TfmCloseFN::ReadX5Params()
{
    TKassio &d = WizardDriver();
    TX5CloseFNRec rec;
    rec.DocNumber = d.DocumentNumber;
    rec.FiscalSign = d.FiscalSignAsString;
    const std::pair<int, QString *> fields[] = {{9, &rec.Address}, {14, &rec.PayPlace}, {7, &rec.UserName},
                                                {2, &rec.INN},     {3, &rec.RNM},       {1, &rec.KKTSerial},
                                                {8, &rec.Cashier}, {4, &rec.FNSerial}};
    for (const auto &[field, text] : fields)
        *text = TableReadStr(18, 1, field).trimmed();
    rec.FFD = ReadDeviceFFD();
    rec.CashierINN.clear();
    CheckResult(d.FNGetStatus());
    CheckResult(d.FNFindDocument());
    rec.DateTime = QDateTime(d.Date.date(), d.Time.time());
    CheckResult(d.FNGetCurrentSessionParams());
    rec.SessionNumber = d.SessionNumber;
    FX5Params = rec;
}

void TfmCloseFN::btnSaveX5Click()
{
    const QString fileName = WizardSaveFileName(
        this, X5FileName(X5CloseFN, FX5Params.KKTSerial, edtX5FactoryCode->text(), FX5Params.DateTime.date()));
    if (!fileName.isEmpty())
        WriteX5CloseFNReport(fileName, FX5Params);
}

void TfmCloseFN::Next()
{
    Controller().SetNext<TfmSelectWorkType>();
}
