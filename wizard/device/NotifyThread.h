#pragma once
// A worker thread that runs one function. It is made idle; Start runs it.
// Its owner frees it, and freeing it waits for the function to return.

#include <QThread>

#include <functional>

class TNotifyThread : public QThread
{
    Q_OBJECT
public:
    using TExecuteProc = std::function<void(TNotifyThread &)>;

    explicit TNotifyThread(TExecuteProc AOnExecute, QObject *parent = nullptr);
    ~TNotifyThread() override;

protected:
    void run() override;

private:
    TExecuteProc FOnExecute;
};
