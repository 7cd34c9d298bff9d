#include "wizard/device/WiFiParams.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/registration/OFDExchangeState.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/WizardMessages.h"

#include <QCheckBox>
#include <QFormLayout>

TfmWiFiParams::TfmWiFiParams() : TNetParamsPage(QStringLiteral("Настройки подключения WiFi"))
{
    edtWiFiSSID = new QLineEdit(this);
    edtWiFiSSID->setObjectName(QStringLiteral("edtWiFiSSID"));
    edtWiFiPass = new QLineEdit(this);
    edtWiFiPass->setObjectName(QStringLiteral("edtWiFiPass"));
    Form()->addRow(QStringLiteral("Точка доступа WiFI:"), edtWiFiSSID);
    Form()->addRow(QStringLiteral("Пароль WiFi:"), edtWiFiPass);
    AddDHCPBox();
    AddAddressRows();
    AddPortRow();
    AddHint("lbl6", QStringLiteral("Введите настройки сети и нажмите \"Далее\""));
    UpdateDHCPEnabling();
}

void TfmWiFiParams::FormShow()
{
    TDisconnectOnExit disconnect;
    edtWiFiSSID->setText(TableReadStr(21, 1, 7));
    edtWiFiPass->setText(TableReadStr(21, 1, 8));
    chkDHCP->setChecked(TableReadInt(22, 1, 1) == 0);
    UpdateDHCPEnabling();
    ipStatic->setText(TableReadStr(22, 1, 2));
    ipMask->setText(TableReadStr(22, 1, 3));
    ipGateway->setText(TableReadStr(22, 1, 4));
    ipDNS->setText(TableReadStr(22, 1, 5));
    ReadPort();
}

void TfmWiFiParams::Next()
{
    const bool dhcp = chkDHCP->isChecked();
    const int port = Port();
    TNetWritePlan plan{{21, 3, 1, QStringLiteral("Сетевой интерфейс")},
                       {21, 6, 1, QStringLiteral("Интерфейс WiFi")},
                       {21, 7, edtWiFiSSID->text(), QStringLiteral("Точка доступа WiFI")},
                       {21, 8, edtWiFiPass->text(), QStringLiteral("Пароль WiFi")},
                       {22, 1, dhcp ? 0 : 1, QStringLiteral("Использовать DHCP")}};
    if (!dhcp) {
        // Table 22 keeps the addresses as dotted texts, IP first, then mask,
        // gateway and DNS.
        int field = 2;
        for (const TIPAddressEdit *edit : {ipStatic, ipMask, ipGateway, ipDNS}) {
            plan.push_back({22, field++, TIPAddressEdit::FormatAddress(AddressOf(edit)), EditName(edit)});
        }
    }
    plan.push_back({21, 9, 0, QStringLiteral("Режим RNDIS")});
    plan.push_back({21, 4, port, QStringLiteral("Порт")});
    WritePlan(plan);

    // There is no WiFi check from the computer: like the Ethernet path after
    // its check, the OFD exchange state shows whether the register gets out.
    Controller().SetNext<TfmOFDExchangeState>();
    WizardMessage(this, TWizardMessageKind::Information,
                  QStringLiteral("Настройки WiFi успешно записаны.\r\nПерезагрузите устройство и нажмите \"ОК\""));
}
