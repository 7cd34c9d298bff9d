#pragma once
// Background work of the wizard's pages: a thread-safe text, the progress and
// result record the page reads from its timer, and a restartable task that
// runs on a worker thread and reports its end on the user interface thread.

#include "wizard/device/NotifyThread.h"

#include <QDateTime>
#include <QMutex>
#include <QObject>
#include <QString>

#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>

// The silent abort of a background task: it ends the work without an error
// box, its text becomes the task's final line.
class ETaskAbort : public std::exception
{
public:
    explicit ETaskAbort(QString AText) : FText(std::move(AText)) {}
    const QString &Text() const { return FText; }
    const char *what() const noexcept override { return "task aborted"; }

private:
    QString FText;
};

class TThreadString
{
public:
    QString Value() const;
    void SetValue(const QString &AValue);

private:
    mutable QMutex FLock;
    QString FValue;
};

// Written by the worker, read by the page: the numbers and flags are atomic
// values, the texts are guarded by their locks.
class TTaskState
{
public:
    void Start(int AItemCount);
    // Raises the silent abort "Операция отменена" once a stop was asked for.
    void CheckStopFlag() const;
    void Stop(const QString &AText, bool ASucceeded);
    void Success() { Stop(SuccessText(), true); }
    void Fail(const QString &AErrorText);
    void UserCancel();
    void StepProgress(int ACount) { FItemNumber += ACount; }
    void UpdateItemNumber(int AValue) { FItemNumber = AValue; }
    void IncErrorCount() { ++FErrorCount; }
    void UpdateErrorCount(int AValue) { FErrorCount = AValue; }
    void UpdateTickCount() { FTickCount = CurrentTick(); }
    void UpdateDataSize(int ADataSize);
    void Reset() { FStopFlag = false; }

    int Percent() const;
    // Milliseconds, estimated from the progress so far; 0 when unknown.
    qint64 TimeRemaining() const;
    std::uint32_t TimeElapsed() const { return CurrentTick() - FTickCount; }

    QString Text() const { return FText.Value(); }
    void SetText(const QString &AText) { FText.SetValue(AText); }
    QString SuccessText() const;
    void SetSuccessText(const QString &AText);
    QString FailedInfo() const;

    bool StopFlag() const { return FStopFlag; }
    bool Completed() const { return FCompleted; }
    bool Succeeded() const { return FSucceeded; }
    bool IsRunning() const { return FIsRunning; }
    bool UserCancelled() const { return FUserCancelled; }
    int ItemNumber() const { return FItemNumber; }
    int ItemCount() const { return FItemCount; }
    int ErrorCount() const { return FErrorCount; }
    int DataSize() const { return FDataSize; }
    int DataSpeed() const { return FDataSpeed; }
    QDateTime StartTime() const;

    // A millisecond tick counter that wraps like a 32-bit one.
    static std::uint32_t CurrentTick();

private:
    void SetFailedInfo(const QString &AText);

    TThreadString FText;
    std::atomic<int> FDataSize = 0;
    std::atomic<bool> FStopFlag = false;
    std::atomic<bool> FCompleted = false;
    std::atomic<int> FItemNumber = 0;
    std::atomic<int> FItemCount = 0;
    std::atomic<qint64> FStartTime = 0; // ms since the epoch
    std::atomic<bool> FSucceeded = false;
    std::atomic<int> FDataSpeed = 0;
    std::atomic<std::uint32_t> FTickCount = 0;
    std::atomic<bool> FIsRunning = false;
    std::atomic<int> FErrorCount = 0;
    std::atomic<bool> FUserCancelled = false;
    mutable QMutex FTextLock; // for the two texts below
    QString FFailedInfo;
    QString FSuccessText;
};

// A task that runs DoExecute on a worker thread; each Execute runs it anew.
// The completion handler runs on the user interface thread.
class TWorkThread : public QObject
{
    Q_OBJECT
public:
    using TCompletedProc = std::function<void(TWorkThread &)>;

    explicit TWorkThread(QString AName = {}, QObject *parent = nullptr);
    ~TWorkThread() override; // waits for a running worker

    virtual void Execute();
    virtual void Cancel();
    // Interrupts a running task and waits for its worker.
    void Stop();

    bool Started() const { return FStarted; }
    TTaskState &State() { return FState; }
    const TTaskState &State() const { return FState; }
    QString Name() const { return FName; }
    void SetOnCompleted(TCompletedProc AProc) { FOnCompleted = std::move(AProc); }

protected:
    // The work, on the worker thread; exceptions must not leave it.
    virtual void DoExecute() {}
    void WaitForThread();

private:
    std::atomic<bool> FStarted = false;
    std::unique_ptr<TNotifyThread> FThread;
    TCompletedProc FOnCompleted;
    TTaskState FState;
    QString FName;
};
