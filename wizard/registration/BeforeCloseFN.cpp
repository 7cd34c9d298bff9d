#include "wizard/registration/BeforeCloseFN.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/registration/CloseFN.h"
#include "wizard/registration/PageControls.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/WizardErrors.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int CashierTable = 2;
constexpr int AdministratorRow = 30;
constexpr int NameField = 2;

} // namespace

TfmBeforeCloseFN::TfmBeforeCloseFN() : TParamPage(QStringLiteral("Закрытие архива ФН"))
{
    lblSerialEntered = NamedLabel(this, "lblSerialEntered",
                                  QStringLiteral("Введите имя и должность кассира и нажмите \"Далее\", \r\nчтобы закрыть архив ФН"));
    lblCashier = NamedLabel(this, "lblCashier", QStringLiteral("Имя и должность кассира:"));
    edtCashier = new QLineEdit(this);
    edtCashier->setObjectName(QStringLiteral("edtCashier"));
    edtCashier->setMaxLength(64);
    auto *form = new QFormLayout;
    form->addRow(lblCashier, edtCashier);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblSerialEntered);
    layout->addLayout(form);
    layout->addStretch();
}

void TfmBeforeCloseFN::Next()
{
    if (edtCashier->text().isEmpty())
        throw EWizardError(QStringLiteral("Введите имя и должность кассира"));
    TDisconnectOnExit disconnect;
    TableWriteStr(CashierTable, AdministratorRow, NameField, edtCashier->text());
    Controller().SetNext<TfmCloseFN>();
}
