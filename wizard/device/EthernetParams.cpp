#include "wizard/device/EthernetParams.h"
#include "wizard/device/CheckEthernet.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/WizardMessages.h"

#include <QCheckBox>

TfmEthernetParams::TfmEthernetParams() : TNetParamsPage(QStringLiteral("Параметры Ethernet"))
{
    AddDHCPBox();
    AddAddressRows();
    AddPortRow();
    AddHint("lbl5", QStringLiteral("Введите настройки сети и нажмите \"Далее\""));
    UpdateDHCPEnabling();
}

void TfmEthernetParams::FormShow()
{
    TDisconnectOnExit disconnect;
    chkDHCP->setChecked(TableReadInt(16, 1, 1) == 0);
    UpdateDHCPEnabling();
    ReadTable16Addresses();
    ReadPort();
}

void TfmEthernetParams::Next()
{
    // Every typed value is checked before the first write.
    const bool dhcp = chkDHCP->isChecked();
    const int port = Port();
    TNetWritePlan plan{{21, 3, 1, QStringLiteral("Сетевой интерфейс")},
                       {21, 6, 0, QStringLiteral("Интерфейс Ethernet")},
                       {16, 1, dhcp ? 0 : 1, QStringLiteral("Использовать DHCP")}};
    if (!dhcp)
        PlanTable16Addresses(plan);
    plan.push_back({21, 4, port, QStringLiteral("Порт")});
    plan.push_back({21, 9, 0, QStringLiteral("Режим RNDIS")});
    WritePlan(plan);

    TController &c = Controller();
    c.DHCP = dhcp;
    if (!dhcp) {
        c.IP = TIPAddressEdit::FormatAddress(AddressOf(ipStatic));
        c.TCPPort = port;
    }
    c.SetNext<TfmCheckEthernet>();
    WizardMessage(this, TWizardMessageKind::Information,
                  QStringLiteral("Настройки Ethernet успешно записаны.\r\nПерезагрузите устройство и нажмите \"ОК\""));
}
