#include "wizard/device/WorkThread.h"

#include <chrono>

QString TThreadString::Value() const
{
    QMutexLocker lock(&FLock);
    return FValue;
}

void TThreadString::SetValue(const QString &AValue)
{
    QMutexLocker lock(&FLock);
    FValue = AValue;
}

std::uint32_t TTaskState::CurrentTick()
{
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<std::uint32_t>(ms.count());
}

void TTaskState::Start(int AItemCount)
{
    FDataSize = 0;
    FDataSpeed = 0;
    FStartTime = QDateTime::currentMSecsSinceEpoch();
    FCompleted = false;
    FSucceeded = false;
    FStopFlag = false;
    FUserCancelled = false;
    FTickCount = CurrentTick();
    FIsRunning = true;
    FItemNumber = 0;
    FErrorCount = 0;
    FItemCount = AItemCount;
    SetFailedInfo({});
}

void TTaskState::CheckStopFlag() const
{
    if (FStopFlag)
        throw ETaskAbort(QStringLiteral("Операция отменена"));
}

void TTaskState::Stop(const QString &AText, bool ASucceeded)
{
    SetText(AText);
    FStopFlag = true;
    FCompleted = true;
    FSucceeded = ASucceeded;
    FIsRunning = false;
    if (!ASucceeded)
        SetFailedInfo(AText);
}

void TTaskState::Fail(const QString &AErrorText)
{
    Stop(QStringLiteral("Ошибка"), false);
    SetFailedInfo(AErrorText);
}

void TTaskState::UserCancel()
{
    Stop(QStringLiteral("Операция отменена"), false);
    FUserCancelled = true;
    SetFailedInfo(QStringLiteral("Операция отменена пользователем"));
}

void TTaskState::UpdateDataSize(int ADataSize)
{
    FDataSize += ADataSize;
    const qint64 seconds = (QDateTime::currentMSecsSinceEpoch() - FStartTime) / 1000;
    if (seconds >= 1)
        FDataSpeed = static_cast<int>(FDataSize / seconds);
}

int TTaskState::Percent() const
{
    const int count = FItemCount;
    if (count <= 0)
        return 0;
    return static_cast<int>(static_cast<qint64>(FItemNumber) * 100 / count);
}

qint64 TTaskState::TimeRemaining() const
{
    const int count = FItemCount;
    if (!FIsRunning || count <= 0)
        return 0;
    const double percent = FItemNumber * 100.0 / count;
    if (percent <= 0)
        return 0;
    const std::uint32_t elapsed = TimeElapsed();
    return static_cast<qint64>(elapsed * 100.0 / percent) - static_cast<qint64>(elapsed);
}

QDateTime TTaskState::StartTime() const
{
    return QDateTime::fromMSecsSinceEpoch(FStartTime);
}

QString TTaskState::SuccessText() const
{
    QMutexLocker lock(&FTextLock);
    return FSuccessText;
}

void TTaskState::SetSuccessText(const QString &AText)
{
    QMutexLocker lock(&FTextLock);
    FSuccessText = AText;
}

QString TTaskState::FailedInfo() const
{
    QMutexLocker lock(&FTextLock);
    return FFailedInfo;
}

void TTaskState::SetFailedInfo(const QString &AText)
{
    QMutexLocker lock(&FTextLock);
    FFailedInfo = AText;
}

TWorkThread::TWorkThread(QString AName, QObject *parent) : QObject(parent), FName(std::move(AName)) {}

TWorkThread::~TWorkThread()
{
    WaitForThread();
}

void TWorkThread::Execute()
{
    WaitForThread();
    FThread.reset();
    FThread = std::make_unique<TNotifyThread>([this](TNotifyThread &) {
        DoExecute();
    });
    TNotifyThread *thread = FThread.get();
    // Started from here on, so that a Stop right after Execute is not lost.
    FStarted = true;
    // Queued to this object's thread: the handler runs on the user interface thread.
    connect(thread, &QThread::finished, this, [this, thread] {
        if (FThread.get() != thread)
            return; // a later Execute has replaced that worker
        FStarted = false;
        if (FOnCompleted)
            FOnCompleted(*this);
    }, Qt::QueuedConnection);
    FThread->start();
}

void TWorkThread::WaitForThread()
{
    if (FThread)
        FThread->wait();
}

void TWorkThread::Cancel()
{
    FState.SetText(QStringLiteral("Операция отменяется..."));
    WaitForThread();
}

void TWorkThread::Stop()
{
    // A worker that has already ended keeps its outcome, even before its
    // completion has reached this thread.
    if (!FStarted || !FThread || FThread->isFinished())
        return;
    FState.Stop(QStringLiteral("Операция прервана"), false);
    Cancel();
    if (FThread) {
        FThread->requestInterruption();
        FThread->wait();
    }
}
