#include "wizard/device/ConnectDevice.h"
#include "wizard/device/SelectPortType.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/shell/Controller.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

QString minVersionText()
{
    const auto &v = TfmConnectDevice::MinDriverVersion;
    return QStringLiteral("%1.%2.%3.%4").arg(v[0]).arg(v[1]).arg(v[2]).arg(v[3]);
}

} // namespace

TfmConnectDevice::TfmConnectDevice() : TParamPage(QStringLiteral("Подключите устройство"))
{
    lbl1 = new QLabel(QStringLiteral("1. Подключите устройство к  ПК\r\n2. Включите устройство, дождитесь звукового "
                                     "сигнала\r\n3. Нажмите \"Далее\""),
                      this);
    lbl1->setObjectName(QStringLiteral("lbl1"));
    QFont font = lbl1->font();
    font.setPointSize(14);
    lbl1->setFont(font);
    lblInfo = new QLabel(this);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->setStyleSheet(QStringLiteral("color: red"));
    lblInfo->setWordWrap(true);
    lblInfo->hide();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lbl1);
    layout->addWidget(lblInfo);
    layout->addStretch();
}

void TfmConnectDevice::FormShow()
{
    lblInfo->hide();
    TController &c = Controller();
    try {
        CreateWizardDriver();
    } catch (const std::exception &) {
        // Without the component nothing can work until the program restarts.
        lblInfo->setText(QStringLiteral("Внимание! Не установлен драйвер ФР\r\nДля корректной работы установите "
                                        "драйвер версии не ниже %1 и перезапустите приложение")
                             .arg(minVersionText()));
        c.EnableNext(false);
        c.EnableSettings(false);
        lblInfo->show();
        return;
    }
    const TKassio &d = WizardDriver();
    const std::array<unsigned, 4> version{static_cast<unsigned>(d.DriverMajorVersion),
                                          static_cast<unsigned>(d.DriverMinorVersion),
                                          static_cast<unsigned>(d.DriverRelease), static_cast<unsigned>(d.DriverBuild)};
    if (version < MinDriverVersion) {
        lblInfo->setText(QStringLiteral("Внимание! Установленная версия драйвера ФР меньше минимальной\r\nДля "
                                        "корректной работы необходима версия не ниже %1")
                             .arg(minVersionText()));
        lblInfo->show();
        c.EnableNext(false);
    } else {
        lblInfo->hide();
        c.EnableNext(true);
    }
}

void TfmConnectDevice::Next()
{
    Controller().SetNext<TfmSelectPortType>();
}
