#include "wizard/registration/FiscalizationBefore.h"
#include "wizard/device/RegisterKKT.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/registration/FiscalizationInfo.h"
#include "wizard/registration/PageControls.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/RegReport.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TfmFiscalizationBefore::TfmFiscalizationBefore() : TParamPage(QStringLiteral("Регистрация ККТ"))
{
    lbl1 = NamedLabel(this, "lbl1");
    Memo = new QPlainTextEdit(this);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setReadOnly(true);
    Memo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont)); // the pairs line up
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lbl1);
    layout->addWidget(Memo, 1);
}

void TfmFiscalizationBefore::FormShow()
{
    TDisconnectOnExit disconnect;
    TRegParams &r = Controller().RegParams;
    lbl1->setText(r.FirstTime ? QStringLiteral("Будет произведена регистрация ККТ со следующими параметрами:")
                              : QStringLiteral("Будет произведена перерегистрация ККТ со следующими параметрами:"));
    Memo->clear();
    TKassio &d = WizardDriver();
    CheckResult(d.ReadSerialNumber());
    r.KKTSerial = d.SerialNumber;
    CheckResult(d.FNGetSerial());
    r.FNSerial = d.SerialNumber;
    FSlip.FWidth = 80;
    FSlip.FWidth2 = 24;
    FSlip.FRightAligned = false;
    FSlip.Clear();
    FillRegReport(FSlip, false);
    Memo->setPlainText(FSlip.Text());
}

void TfmFiscalizationBefore::Next()
{
    TDisconnectOnExit disconnect;
    RegisterKKT(Controller().RegParams);
    Controller().SetNext<TfmFiscalizationInfo>();
}
