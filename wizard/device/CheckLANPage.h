#pragma once
// What the Ethernet and RNDIS check pages share: the LAN check task on its
// worker, a status line polled every 200 ms, and the buttons to repeat or
// stop the check.
//
// The Ethernet check uses the wizard's shared driver instance from its
// worker, so while it runs nothing on this side may use that instance: back,
// next and home stay disabled, and leaving the page (back, home, closing)
// stops the check and waits for its worker first.

#include "wizard/shell/ParamPage.h"

#include <memory>

class QLabel;
class QPushButton;
class QTimer;
class TCheckLANWorkTask;

class TfmCheckLAN : public TParamPage
{
    Q_OBJECT
public:
    explicit TfmCheckLAN(const QString &caption);
    ~TfmCheckLAN() override;

    void FormShow() override;
    void Next() override;
    void Prev() override;
    void Home() override;
    void CloseEvent() override;

    void Start();
    void UpdateView();
    bool IsRunning() const;
    TCheckLANWorkTask &CheckTask() { return *Task; }

    QLabel *lblStatus = nullptr;
    QPushButton *btnStart = nullptr;
    QPushButton *btnStop = nullptr;
    QTimer *Timer = nullptr;

private:
    void TaskCompleted();
    void StopTask();
    bool IsCurrent() const;
    void EnableNavigation(bool AEnable);

    std::unique_ptr<TCheckLANWorkTask> Task;
};
