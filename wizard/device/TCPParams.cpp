#include "wizard/device/TCPParams.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/SelectWorkType.h"
#include "wizard/shell/WizardErrors.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TfmTCPParams::TfmTCPParams(quint16 udpPort)
    : TParamPage(QStringLiteral("Параметры подключения по TCP")), FSearch(new TTCPDeviceSearch(udpPort, this))
{
    FSearch->SetOnFound([this](const TTCPSearchItem &item) { DeviceFound(item); });

    lbl1 = new QLabel(QStringLiteral("IP адрес:"), this);
    lbl1->setObjectName(QStringLiteral("lbl1"));
    edtIP = new QLineEdit(this);
    edtIP->setObjectName(QStringLiteral("edtIP"));
    lblPort = new QLabel(QStringLiteral("Порт:"), this);
    lblPort->setObjectName(QStringLiteral("lblPort"));
    edtTCPPort = new QLineEdit(QStringLiteral("7779"), this);
    edtTCPPort->setObjectName(QStringLiteral("edtTCPPort"));
    btnCheckConnection = new QPushButton(QStringLiteral("Проверить связь c ККТ"), this);
    btnCheckConnection->setObjectName(QStringLiteral("btnCheckConnection"));
    lblInfo = new QLabel(this);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lbl2 = new QLabel(QStringLiteral("Устройства в сети (поиск по UDP) :"), this);
    lbl2->setObjectName(QStringLiteral("lbl2"));
    ListView = new QTreeWidget(this);
    ListView->setObjectName(QStringLiteral("ListView"));
    ListView->setRootIsDecorated(false);
    ListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView->setHeaderLabels({QStringLiteral("Зав.Номер"), QStringLiteral("IP адрес"), QStringLiteral("Порт")});
    ListView->setColumnWidth(0, 150);
    ListView->setColumnWidth(1, 120);
    ListView->headerItem()->setTextAlignment(1, Qt::AlignHCenter);
    gifProgress = new QProgressBar(this);
    gifProgress->setObjectName(QStringLiteral("gifProgress"));
    gifProgress->setTextVisible(false);
    gifProgress->hide();

    auto *form = new QGridLayout;
    form->addWidget(lbl1, 0, 0);
    form->addWidget(edtIP, 0, 1);
    form->addWidget(lblPort, 1, 0);
    form->addWidget(edtTCPPort, 1, 1);
    form->addWidget(btnCheckConnection, 2, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(lblInfo);
    layout->addWidget(lbl2);
    layout->addWidget(gifProgress);
    layout->addWidget(ListView);

    connect(ListView, &QTreeWidget::itemClicked, this, &TfmTCPParams::ListViewClick);
    connect(btnCheckConnection, &QPushButton::clicked, this, &TfmTCPParams::btnCheckConnectionClick);
}

TfmTCPParams::~TfmTCPParams()
{
    FSearch->Stop();
}

void TfmTCPParams::FormShow()
{
    Controller().EnableNext(false);
    TKassio &d = WizardDriver();
    edtIP->setText(d.ComputerName);
    edtTCPPort->setText(QString::number(d.TCPPort));
    edtIP->setFocus();
    ListView->clear();
    d.Disconnect();
    FSearch->Start();
    gifProgress->setRange(0, 0); // busy
    gifProgress->show();
}

void TfmTCPParams::DeviceFound(const TTCPSearchItem &item)
{
    auto *row = new QTreeWidgetItem(ListView, QStringList{item.Serial(), item.IP(), QString::number(item.Port())});
    row->setTextAlignment(1, Qt::AlignHCenter);
}

void TfmTCPParams::ListViewClick()
{
    const QList<QTreeWidgetItem *> selected = ListView->selectedItems();
    if (selected.isEmpty())
        return;
    // The row keeps its own copies: the search forgets its items when stopped.
    edtIP->setText(selected.first()->text(1));
    edtTCPPort->setText(selected.first()->text(2));
}

void TfmTCPParams::btnCheckConnectionClick()
{
    WizardGuarded(this, [this] { CheckConnection(); });
}

void TfmTCPParams::CheckConnection()
{
    TController &c = Controller();
    TDisconnectOnExit disconnect;
    TKassio &d = WizardDriver();
    bool ok = false;
    const QString portText = edtTCPPort->text();
    const int port = portText.toInt(&ok, 10);
    if (!ok)
        throw EWizardError(QStringLiteral("\"%1\" не является целым числом").arg(portText));
    d.ConnectionType = 6;
    d.ProtocolType = 0;
    d.ComputerName = edtIP->text();
    // The component's socket connects to IPAddress: give it the same address.
    d.IPAddress = edtIP->text();
    d.UseIPAddress = false;
    d.TCPPort = port;
    d.TCPConnectionTimeout = 2000;
    if (d.GetECRStatus() != 0) {
        lblInfo->setText(QStringLiteral("Нет связи с устройством"));
        c.EnableNext(false);
        return;
    }
    CheckResult(d.ReadSerialNumber());
    // The status and the serial number do not name the device: ask for it.
    CheckResult(d.GetDeviceMetrics());
    const QString name = d.UDescription.trimmed();
    const QString serial = d.SerialNumber.trimmed();
    lblInfo->setText(QStringLiteral("Найдено устройство %1, Зав. номер: %2\r\nДля продолжения нажмите \"Далее\"")
                         .arg(name, serial));
    c.KKTName = name;
    c.KKTSN = serial;
    c.EnableNext(true);
}

void TfmTCPParams::Next()
{
    WizardDriver().Disconnect();
    Controller().SetNext<TfmSelectWorkType>();
    FSearch->Stop();
    gifProgress->hide();
}

void TfmTCPParams::Prev()
{
    WizardDriver().Disconnect();
    FSearch->Stop();
    gifProgress->hide();
    Controller().EnableNext(true);
}
