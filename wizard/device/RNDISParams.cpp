#include "wizard/device/RNDISParams.h"
#include "wizard/device/CheckRNDIS.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/WizardMessages.h"

TfmRNDISParams::TfmRNDISParams() : TNetParamsPage(QStringLiteral("Настройки подключения RNDIS"))
{
    AddAddressRows();
    AddPortRow();
    AddHint("lbl5", QStringLiteral("Введите настройки сети, подключите ККТ к ПК при помощи USB кабеля и нажмите "
                                   "\"Далее\""));
}

void TfmRNDISParams::FormShow()
{
    {
        TDisconnectOnExit disconnect;
        ReadTable16Addresses();
        ReadPort();
    }
    ipStatic->setFocus();
}

void TfmRNDISParams::Next()
{
    const int port = Port();
    TNetWritePlan plan{{21, 3, 1, QStringLiteral("Сетевой интерфейс")},
                       {21, 6, 0, QStringLiteral("Интерфейс Ethernet")},
                       {16, 1, 1, QStringLiteral("Статический адрес")}};
    PlanTable16Addresses(plan);
    plan.push_back({21, 4, port, QStringLiteral("Порт")});
    plan.push_back({21, 9, 1, QStringLiteral("Режим RNDIS")});
    WritePlan(plan);

    TController &c = Controller();
    c.IP = TIPAddressEdit::FormatAddress(AddressOf(ipStatic));
    c.TCPPort = port;
    c.SetNext<TfmCheckRNDIS>();
    WizardMessage(this, TWizardMessageKind::Information,
                  QStringLiteral("Настройки RNDIS успешно записаны.\r\nПерезагрузите устройство и нажмите \"ОК\""));
}
