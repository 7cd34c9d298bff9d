#pragma once
// Runs one method of a page on a worker thread. The page owns the thread:
// it frees it before starting a new run and when the page goes, and freeing
// waits for the body to end. The body is told to finish through a stop flag
// of the page's own.

#include <QPointer>
#include <QThread>

#include <functional>
#include <memory>

class TPage;

class TNotifyThread : public QThread
{
    Q_OBJECT
public:
    using TExecuteEvent = std::function<void(TNotifyThread *Thread)>;

    // Made suspended; the page starts it with Resume.
    static std::unique_ptr<TNotifyThread> CreateThread(TExecuteEvent OnExecute, TPage *Page);
    ~TNotifyThread() override;

    void Resume() { start(); }
    // Runs call on the user interface thread and waits for it. An error it
    // raises there goes to the handler guard of the page.
    void Synchronize(const std::function<void()> &call);

protected:
    void run() override;

private:
    TNotifyThread(TExecuteEvent OnExecute, TPage *Page);

    TExecuteEvent FOnExecute;
    QPointer<TPage> FPage;
};
