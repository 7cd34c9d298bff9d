#pragma once
// "Поиск устройств": probes every serial port at once for a register and
// lists those found; the chosen one becomes the wizard's connection.

#include "driver/ComportUtils.h"
#include "wizard/device/ISearchDevice.h"
#include "wizard/shell/ParamPage.h"

#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class QTreeWidget;

class TfmSearchDevice : public TParamPage
{
    Q_OBJECT
public:
    // Where the page gets the serial ports from (the system's by default).
    using TPortLister = std::function<TSerialPorts()>;

    explicit TfmSearchDevice(TPortLister APortLister = {});
    ~TfmSearchDevice() override;

    void FormShow() override;
    void Next() override;
    void Prev() override;
    void Home() override;
    void CloseEvent() override;

    // Starts the search over all ports anew.
    void Start();
    // Asks every search to stop; returns at once.
    void Stop();
    // The timer's refresh of the status and the list.
    void UpdateView();

private:
    void UpdateNext();

    TPortLister FPortLister;
    TSerialPorts FPorts;
    TSearchDevices FSearchDevices;

    QLabel *lblStatus = nullptr;
    QLabel *lblNext = nullptr;
    QProgressBar *gifProgress = nullptr;
    QTreeWidget *lvDevices = nullptr;
    QPushButton *btnStop = nullptr;
    QPushButton *btnStart = nullptr;
    QTimer *Timer = nullptr;
};
