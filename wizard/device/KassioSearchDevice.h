#pragma once
// The search for a register on one serial port: a worker thread with a
// driver instance of its own tries the register's baud rates one after
// another until the register answers.

#include "driver/Kassio.h"
#include "wizard/device/ISearchDevice.h"
#include "wizard/device/NotifyThread.h"

#include <QMutex>

#include <atomic>
#include <memory>

// The component with one addition: a non-zero code raises "<code>, <description>".
class TKassioDevice : public TKassio
{
public:
    void Check(int ResultCode) const;
};

class TKassioSearchDevice : public ISearchDevice
{
public:
    TKassioSearchDevice();
    ~TKassioSearchDevice() override; // stops and waits for the worker

    void Search() override;
    void Stop() override;
    void Added() override;
    QString GetName() const override;
    QString GetSerial() const override;
    TSearchState GetState() const override;
    TSearchParamsRec GetParams() const override;
    void SetParams(const TSearchParamsRec &Value) override;
    std::vector<int> GetBaudrates() const override { return FBaudrates; }

private:
    void SearchProc();
    // One attempt at one rate; false when the register did not answer.
    void TryBaudrate(int baudrate);
    void SetText(const QString &text);
    void WaitForWorker();

    const std::vector<int> FBaudrates;
    TKassioDevice FDevice; // used by the worker only while it runs
    std::unique_ptr<TNotifyThread> FThread;
    std::atomic<bool> FCancel = false;

    // The state the page reads while the worker writes it.
    mutable QMutex FLock;
    TSearchParamsRec FParams;
    TSearchState FState;
    QString FName;
    QString FSerial;
};
