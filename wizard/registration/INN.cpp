#include "wizard/registration/INN.h"
#include "common/RegistrationNumber.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/registration/DataPageForm.h"
#include "wizard/registration/WorkMode.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/WizardErrors.h"
#include "wizard/shell/WizardMessages.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

TfmINN::TfmINN() : TParamPage(QStringLiteral("Введите ИНН и РНМ ККТ"))
{
    auto *form = new QFormLayout(this);
    edtINN = AddFormEdit(form, "edtINN", QStringLiteral("ИНН:"));
    edtRNM = AddFormEdit(form, "edtRNM", QStringLiteral("РНМ:"), 20);
    // Digits only (backspace and moves keep working).
    auto *digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    edtINN->setValidator(digits);
    edtRNM->setValidator(digits);
    lblInfo = AddFormLabel(form, "lblInfo",
                           QStringLiteral("Внимание! Менять ИНН и РНМ при перерегистрации без замены ФН нельзя!"));
    lblInfo->hide();
    AddFormLabel(form, "lbl2", QStringLiteral("Нажмите \"Далее\" для продолжения"));
}

void TfmINN::FormShow()
{
    const TController &c = Controller();
    const TRegParams &r = c.RegParams;
    const bool editable = r.FirstTime || r.NewFN;
    lblInfo->setVisible(!editable);
    SetEditEnabled(edtINN, editable);
    SetEditEnabled(edtRNM, editable);
    edtINN->clear();
    edtRNM->clear();
    edtINN->setMaxLength(c.Yur ? 10 : 12);
    if (!r.FirstTime) {
        TDisconnectOnExit disconnect;
        edtINN->setText(TableReadStr(18, 1, 2).trimmed());
        edtRNM->setText(TableReadStr(18, 1, 3).trimmed());
    }
    if (editable) {
        edtINN->setFocus();
        edtINN->setCursorPosition(0);
    }
}

void TfmINN::Next()
{
    TController &c = Controller();
    const QString inn = edtINN->text();
    if (!INNPasses(inn))
        throw EWizardError(QStringLiteral("Введен некорректный ИНН!"));
    if (edtRNM->text().isEmpty())
        throw EWizardError(QStringLiteral("Введите РНМ!"));
    QString serial;
    {
        TDisconnectOnExit disconnect;
        TKassio &d = WizardDriver();
        CheckResult(d.ReadSerialNumber());
        serial = d.SerialNumber;
    }
    if (!IsValidRNM(edtRNM->text().trimmed(), inn.trimmed(), serial.trimmed())
        && WizardMessage(this, TWizardMessageKind::Warning,
                         QStringLiteral("Введен некорректный РНМ для данной ККТ\r\nВсе равно продолжить?"),
                         QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel, WarningTitle())
               != QMessageBox::Ok)
        throw EWizardAbort();
    c.RegParams.INN = inn;
    c.RegParams.RNM = edtRNM->text();
    c.SetNext<TfmWorkMode>();
}
