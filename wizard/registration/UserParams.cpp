#include "wizard/registration/UserParams.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/registration/DataPageForm.h"
#include "wizard/registration/INN.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/WizardErrors.h"
#include "wizard/shell/WizardMessages.h"

#include <QFormLayout>
#include <QLineEdit>

namespace {

constexpr int FFD10New = 1;

QString orRead(const QString &value, int field)
{
    return !value.isEmpty() ? value : TableReadStr(18, 1, field);
}

} // namespace

TfmUserParams::TfmUserParams() : TParamPage(QStringLiteral("Настройки места установки ККТ"))
{
    auto *form = new QFormLayout(this);
    edtUser = AddFormEdit(form, "edtUser", QStringLiteral("Наименование организации:"));
    edtOperator = AddFormEdit(form, "edtOperator", QStringLiteral("Имя оператора:"));
    edtAddress = AddFormEdit(form, "edtAddress", QStringLiteral("Адрес расчетов:"));
    edtPaymentPlace = AddFormEdit(form, "edtPaymentPlace", QStringLiteral("Место расчетов:"), 256);
    edtSenderEmail = AddFormEdit(form, "edtSenderEmail", QStringLiteral("E-mail отправителя:"), 64);
    edtCashierINN = AddFormEdit(form, "edtCashierINN", QStringLiteral("ИНН кассира*:"), 64);
    AddFormLabel(form, "lbl5",
                 QStringLiteral("* Если нет необходимости передавать ИНН кассира, поле можно оставить пустым"));
    AddFormLabel(form, "lbl1", QStringLiteral("Укажите нужные настройки и нажмите  \"Далее\""));
}

void TfmUserParams::FormShow()
{
    const TRegParams &r = Controller().RegParams;
    TDisconnectOnExit disconnect;
    edtUser->setText(orRead(r.User, 7));
    edtOperator->setText(orRead(r.Cashier, 8));
    edtAddress->setText(orRead(r.Address, 9));
    edtPaymentPlace->setText(!r.PayPlace.isEmpty() ? r.PayPlace : TableReadStrDef(18, 1, 14));
    edtSenderEmail->setText(r.SenderEmail);
}

void TfmUserParams::Next()
{
    TController &c = Controller();
    TRegParams &r = c.RegParams;
    RequireValue(edtUser->text(), QStringLiteral("Наименование организации"));
    RequireValue(edtOperator->text(), QStringLiteral("Имя оператора"));
    const bool hasAddress = !edtAddress->text().trimmed().isEmpty();
    const bool hasPlace = !edtPaymentPlace->text().trimmed().isEmpty();
    if (hasAddress || hasPlace)
        RequireValue(edtAddress->text(), QStringLiteral("Адрес организации"));
    if (r.FFD > FFD10New) {
        if ((hasAddress || hasPlace) && !hasPlace
            && WizardMessage(this, TWizardMessageKind::Warning,
                             QStringLiteral("Не введено место расчета\r\nПродолжить?\r\n"),
                             QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, QStringLiteral("Внимание"))
                   != QMessageBox::Ok)
            RequireValue(QString(), QStringLiteral("Место расчетов"));
        CheckSenderEmail(edtSenderEmail->text());
    }
    if (!edtCashierINN->text().isEmpty() && !INNPasses(edtCashierINN->text()))
        throw EWizardError(QStringLiteral("Введен невалидный \"ИНН кассира\" !"));

    r.User = edtUser->text();
    r.Cashier = edtOperator->text();
    r.Address = edtAddress->text();
    r.PayPlace = edtPaymentPlace->text();
    r.SenderEmail = edtSenderEmail->text();
    r.CashierINN = edtCashierINN->text();
    c.SetNext<TfmINN>();
}
