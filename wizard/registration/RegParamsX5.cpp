#include "wizard/registration/RegParamsX5.h"
#include "wizard/registration/DataPageForm.h"
#include "wizard/registration/FiscalizationBefore.h"
#include "wizard/registration/X5Files.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/WizardErrors.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

QComboBox *addList(QFormLayout *form, const char *name, QLabel *label, const QStringList &items)
{
    auto *list = new QComboBox(form->parentWidget());
    list->setObjectName(QLatin1String(name));
    list->addItems(items);
    list->setCurrentIndex(0);
    label->setBuddy(list);
    form->addRow(label, list);
    return list;
}

} // namespace

TfmRegParamsX5::TfmRegParamsX5() : TParamPage(QStringLiteral("Параметры регистрации (X5)"))
{
    auto *form = new QFormLayout(this);
    edtCashierName = AddFormEdit(form, "edtCashierName", QStringLiteral("ФИО кассира:"));
    edtCashierPosition = AddFormEdit(form, "edtCashierPosition", QStringLiteral("Должность кассира:"));
    edtCashierINN = AddFormEdit(form, "edtCashierINN", QStringLiteral("ИНН кассира:"), 12);
    edtFNSSite = AddFormEdit(form, "edtFNSSite", QStringLiteral("Сайт ФНС:"));
    edtFNSSite->setText(X5TaxServiceSite());
    edtSenderEmail = AddFormEdit(form, "edtSenderEmail", QStringLiteral("Адрес отправителя:"));
    edtSenderEmail->setText(X5SenderEmail());
    cbbFFD = addList(form, "cbbFFD", new QLabel(QStringLiteral("Версия ФФД:"), this),
                     {QStringLiteral("1.0"), QStringLiteral("1.0 beta"), QStringLiteral("1.05"), QStringLiteral("1.1")});
    lblReasonCode = new QLabel(QStringLiteral("Причина перерегистрации:"), this);
    lblReasonCode->setObjectName(QStringLiteral("lblReasonCode"));
    cbbReasonCode = addList(form, "cbbReasonCode", lblReasonCode,
                            {QStringLiteral("Замена ОФД"), QStringLiteral("Изменение реквизитов"),
                             QStringLiteral("Изменение настроек ККТ")});
    AddFormLabel(form, "lbl1", QStringLiteral("Нажмите \"Далее\""));
}

void TfmRegParamsX5::FormShow()
{
    const TRegParams &r = Controller().RegParams;
    const bool reason = !r.FirstTime && !r.NewFN;
    lblReasonCode->setVisible(reason);
    cbbReasonCode->setVisible(reason);
}

void TfmRegParamsX5::Next()
{
    TController &c = Controller();
    TRegParams &r = c.RegParams;
    if (edtCashierName->text().trimmed().isEmpty())
        throw EWizardError(QStringLiteral("Введите ФИО кассира!"));
    if (edtCashierPosition->text().trimmed().isEmpty())
        throw EWizardError(QStringLiteral("Введите должность кассира!"));
    if (!edtCashierINN->text().isEmpty() && !INNPasses(edtCashierINN->text()))
        throw EWizardError(QStringLiteral("Некорректный ИНН кассира!"));
    r.Cashier = edtCashierPosition->text() + u' ' + edtCashierName->text();
    r.CashierINN = edtCashierINN->text();
    r.TaxOfficeURL = edtFNSSite->text();
    r.SenderEmail = edtSenderEmail->text();
    r.FFD = cbbFFD->currentIndex();
    r.ReasonCode = r.NewFN ? 1 : cbbReasonCode->currentIndex() + 2;
    c.SetNext<TfmFiscalizationBefore>();
}
