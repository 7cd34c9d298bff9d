#include "wizard/device/CheckLANPage.h"
#include "wizard/device/CheckLANWorkTask.h"
#include "wizard/registration/OFDExchangeState.h"
#include "wizard/shell/Controller.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TfmCheckLAN::TfmCheckLAN(const QString &caption)
    : TParamPage(caption), Task(std::make_unique<TCheckLANWorkTask>())
{
    lblStatus = new QLabel(QStringLiteral("Подключение..."), this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setWordWrap(true);
    lblStatus->setAlignment(Qt::AlignCenter);
    btnStart = new QPushButton(QStringLiteral("Повторить"), this);
    btnStart->setObjectName(QStringLiteral("btnStart"));
    btnStop = new QPushButton(QStringLiteral("Остановить"), this);
    btnStop->setObjectName(QStringLiteral("btnStop"));
    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(200);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnStart);
    buttons->addWidget(btnStop);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(lblStatus);
    layout->addLayout(buttons);
    layout->addStretch();

    connect(btnStart, &QPushButton::clicked, this, &TfmCheckLAN::Start);
    connect(btnStop, &QPushButton::clicked, this, &TfmCheckLAN::StopTask);
    connect(Timer, &QTimer::timeout, this, &TfmCheckLAN::UpdateView);
    Task->SetOnCompleted([this](TWorkThread &) { TaskCompleted(); });
}

TfmCheckLAN::~TfmCheckLAN()
{
    StopTask();
}

void TfmCheckLAN::FormShow()
{
    lblStatus->setText(QStringLiteral("Проверка соединения..."));
    Start();
    // The shell enables back once the show is over; while the check runs on
    // the shared driver instance it must stay off.
    QTimer::singleShot(0, this, [this] {
        if (IsRunning() && IsCurrent())
            EnableNavigation(false);
    });
}

void TfmCheckLAN::Start()
{
    EnableNavigation(false);
    lblStatus->setText(QStringLiteral("Подключение..."));
    btnStart->setEnabled(false);
    btnStop->setEnabled(true);
    Timer->start();
    Task->Execute();
}

void TfmCheckLAN::UpdateView()
{
    btnStart->setEnabled(!IsRunning());
    lblStatus->setText(Task->State().Text());
}

bool TfmCheckLAN::IsRunning() const
{
    return Task->Started();
}

void TfmCheckLAN::TaskCompleted()
{
    btnStart->setEnabled(true);
    btnStop->setEnabled(false);
    Timer->stop();
    UpdateView();
    // The page may have been left while its worker was being stopped: the
    // buttons then belong to another page.
    if (IsCurrent())
        EnableNavigation(true);
}

void TfmCheckLAN::StopTask()
{
    Task->Stop();
}

void TfmCheckLAN::Next()
{
    StopTask();
    Controller().SetNext<TfmOFDExchangeState>();
}

void TfmCheckLAN::Prev()
{
    StopTask();
}

void TfmCheckLAN::Home()
{
    StopTask();
}

void TfmCheckLAN::CloseEvent()
{
    StopTask();
}

bool TfmCheckLAN::IsCurrent() const
{
    return Controller().CurrentPage == this;
}

void TfmCheckLAN::EnableNavigation(bool AEnable)
{
    TController &c = Controller();
    c.EnablePrev(AEnable);
    c.EnableNext(AEnable);
    c.EnableHome(AEnable);
    c.EnableSettings(AEnable); // the settings dialog works on the shared instance too
}
