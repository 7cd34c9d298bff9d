#include "wizard/device/SelectPortType.h"
#include "wizard/device/SearchDevice.h"
#include "wizard/device/TCPParams.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/WizardErrors.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>

TfmSelectPortType::TfmSelectPortType()
    : TChoicePage(QStringLiteral("Выберите тип подключения к ККТ"),
                  {QStringLiteral("COM-порт"), QStringLiteral("TCP (Ethernet, WiFi, RNDIS)")})
{
    lbl1 = new QLabel(QStringLiteral("Пароль системного администратора:"), this);
    lbl1->setObjectName(QStringLiteral("lbl1"));
    edtSysAdminPassword = new QLineEdit(this);
    edtSysAdminPassword->setObjectName(QStringLiteral("edtSysAdminPassword"));
    // Aligned with the list, the edit 10 pixels right of its label.
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(lbl1);
    row->addSpacing(10);
    row->addWidget(edtSysAdminPassword);
    row->addStretch();
    static_cast<QBoxLayout *>(layout())->addLayout(row);
}

void TfmSelectPortType::FormShow()
{
    TChoicePage::FormShow();
    edtSysAdminPassword->setText(QString::number(WizardDriver().SysAdminPassword));
}

void TfmSelectPortType::Next()
{
    bool ok = false;
    const QString text = edtSysAdminPassword->text();
    const int password = text.toInt(&ok, 10);
    if (!ok)
        throw EWizardError(QStringLiteral("\"%1\" не является целым числом").arg(text));
    TKassio &d = WizardDriver();
    d.SysAdminPassword = password;
    d.Password = password;
    TController &c = Controller();
    if (Choice() == 1) {
        c.IsComConnection = false;
        c.SetNext<TfmTCPParams>();
    } else {
        c.IsComConnection = true;
        c.SetNext<TfmSearchDevice>();
    }
}

void TfmSelectPortType::mouseDoubleClickEvent(QMouseEvent *event)
{
    TChoicePage::mouseDoubleClickEvent(event);
    Controller().Next();
}
