#include "wizard/device/SearchDevice.h"
#include "wizard/device/KassioBaudrate.h"
#include "wizard/device/KassioSearchDevice.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/SelectWorkType.h"
#include "wizard/shell/WizardErrors.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int ComNumberRole = Qt::UserRole;

TSerialPorts systemPorts()
{
    TSerialPorts ports;
    ports.EnumPorts();
    return ports;
}

// Older firmware cannot do what the jobs ask of it.
const QDate OldestFirmware(2018, 10, 24);

} // namespace

TfmSearchDevice::TfmSearchDevice(TPortLister APortLister)
    : TParamPage(QStringLiteral("Поиск устройств")),
      FPortLister(APortLister ? std::move(APortLister) : TPortLister(systemPorts))
{
    lblStatus = new QLabel(QStringLiteral("Поиск устройств..."), this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblNext = new QLabel(QStringLiteral("Выберите устройство и нажмите \"Далее...\""), this);
    lblNext->setObjectName(QStringLiteral("lblNext"));
    gifProgress = new QProgressBar(this);
    gifProgress->setObjectName(QStringLiteral("gifProgress"));
    gifProgress->setTextVisible(false);
    gifProgress->hide();
    lvDevices = new QTreeWidget(this);
    lvDevices->setObjectName(QStringLiteral("lvDevices"));
    lvDevices->setColumnCount(1);
    lvDevices->setHeaderLabels({QStringLiteral("Device")});
    lvDevices->setRootIsDecorated(false);
    lvDevices->setEditTriggers(QAbstractItemView::NoEditTriggers);
    btnStop = new QPushButton(QStringLiteral("Остановить поиск"), this);
    btnStop->setObjectName(QStringLiteral("btnStop"));
    btnStart = new QPushButton(QStringLiteral("Повторить поиск"), this);
    btnStart->setObjectName(QStringLiteral("btnStart"));
    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(100);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnStop);
    buttons->addWidget(btnStart);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblStatus);
    layout->addWidget(gifProgress);
    layout->addWidget(lvDevices);
    layout->addWidget(lblNext);
    layout->addLayout(buttons);

    connect(Timer, &QTimer::timeout, this, &TfmSearchDevice::UpdateView);
    connect(lvDevices, &QTreeWidget::itemSelectionChanged, this, &TfmSearchDevice::UpdateNext);
    connect(lvDevices, &QTreeWidget::itemDoubleClicked, this, [] { Controller().Next(); });
    connect(btnStart, &QPushButton::clicked, this, [this] {
        Stop();
        Start();
    });
    connect(btnStop, &QPushButton::clicked, this, &TfmSearchDevice::Stop);
}

TfmSearchDevice::~TfmSearchDevice()
{
    Stop();
    FSearchDevices.clear(); // waits for the workers
}

void TfmSearchDevice::FormShow()
{
    Controller().EnableNext(false);
    WizardDriver().Disconnect();
    Start();
}

void TfmSearchDevice::Start()
{
    gifProgress->setRange(0, 0); // busy
    gifProgress->show();
    btnStart->setEnabled(false);
    btnStop->setEnabled(true);
    lvDevices->clear();
    FPorts.Clear();
    // Releasing the searches waits for their workers; stopped first, each
    // finishes at most the attempt it is in.
    Stop();
    FSearchDevices.clear();

    FPorts = FPortLister();
    for (int i = 0; i < FPorts.Count(); ++i) {
        const TSerialPortRec &port = FPorts.Items(i);
        if (IsSkippedBySearch(port))
            continue;
        auto search = std::make_shared<TKassioSearchDevice>();
        search->SetParams(TSearchParamsRec{port.ComNumber, 0, 300});
        FSearchDevices.push_back(search);
        search->Search();
    }
    Timer->start();
}

void TfmSearchDevice::Stop()
{
    for (const auto &search : FSearchDevices)
        search->Stop();
}

void TfmSearchDevice::UpdateView()
{
    const bool finished = std::all_of(FSearchDevices.begin(), FSearchDevices.end(),
                                      [](const auto &search) { return search->GetState().Finished; });
    if (finished) {
        gifProgress->hide();
        gifProgress->setRange(0, 1); // no animation
        lblStatus->setText(QStringLiteral("Поиск завершен"));
        btnStart->setEnabled(true);
        btnStop->setEnabled(false);
    } else {
        lblStatus->setText(QStringLiteral("Поиск устройств.."));
        btnStart->setEnabled(false);
    }
    for (const auto &search : FSearchDevices) {
        const TSearchState state = search->GetState();
        if (!state.Finished || !state.Succeded || state.Added)
            continue;
        auto *row = new QTreeWidgetItem(lvDevices, QStringList{state.Text});
        row->setData(0, ComNumberRole, search->GetParams().PortNumber);
        lvDevices->setCurrentItem(row);
        search->Added();
    }
}

void TfmSearchDevice::UpdateNext()
{
    // Results may still come in after the user has left the page.
    if (Controller().CurrentPage == this)
        Controller().EnableNext(!lvDevices->selectedItems().isEmpty());
}

void TfmSearchDevice::Next()
{
    Stop();
    TController &c = Controller();
    c.SetNext<TfmSelectWorkType>();
    TDisconnectOnExit disconnect;
    const QList<QTreeWidgetItem *> selected = lvDevices->selectedItems();
    if (selected.isEmpty())
        return;
    const int comNumber = selected.first()->data(0, ComNumberRole).toInt();
    const auto it = std::find_if(FSearchDevices.begin(), FSearchDevices.end(),
                                 [comNumber](const auto &search) { return search->GetParams().PortNumber == comNumber; });
    if (it == FSearchDevices.end())
        return;
    const ISearchDevice &search = **it;
    c.KKTName = search.GetName();
    c.KKTSN = search.GetSerial();
    TKassio &d = WizardDriver();
    d.Disconnect();
    d.ConnectionType = 0;
    d.ProtocolType = 0;
    d.ComNumber = comNumber;
    d.BaudRate = TKassioBaudrate::BaudrateToCode(search.GetParams().Baudrate);
    d.Timeout = 1000;
    CheckResult(d.GetECRStatus());
    if (d.ECRSoftDate.date() < OldestFirmware)
        throw EWizardError(QStringLiteral("Прошивка ККТ устарела (%1).\r\n Требуется обновить прошивку")
                               .arg(QLocale().toString(d.ECRSoftDate, QLocale::ShortFormat)));
}

void TfmSearchDevice::Prev()
{
    Stop();
    Controller().EnableNext(true);
}

void TfmSearchDevice::Home()
{
    Controller().EnableNext(true);
    Stop();
}

void TfmSearchDevice::CloseEvent()
{
    Stop();
}
