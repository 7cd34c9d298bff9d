#include "testbench/shell/NotifyThread.h"

#include "testbench/shell/HandlerGuard.h"
#include "testbench/shell/Page.h"

#include <QCoreApplication>
#include <QMetaObject>

std::unique_ptr<TNotifyThread> TNotifyThread::CreateThread(TExecuteEvent OnExecute, TPage *Page)
{
    return std::unique_ptr<TNotifyThread>(new TNotifyThread(std::move(OnExecute), Page));
}

TNotifyThread::TNotifyThread(TExecuteEvent OnExecute, TPage *Page)
    : FOnExecute(std::move(OnExecute))
    , FPage(Page)
{
}

TNotifyThread::~TNotifyThread()
{
    wait();
}

void TNotifyThread::Synchronize(const std::function<void()> &call)
{
    QObject *context = QCoreApplication::instance();
    if (QThread::currentThread() == context->thread()) {
        Guarded(FPage, call);
        return;
    }
    QMetaObject::invokeMethod(
        context, [this, &call] { Guarded(FPage, call); }, Qt::BlockingQueuedConnection);
}

void TNotifyThread::run()
{
    // An error of the body is shown on the user interface thread without
    // waiting for it there: the page may be waiting for this thread.
    try {
        if (FOnExecute)
            FOnExecute(this);
    } catch (...) {
        auto failure = std::current_exception();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [page = FPage, failure] { Guarded(page, [&] { std::rethrow_exception(failure); }); },
            Qt::QueuedConnection);
    }
}
