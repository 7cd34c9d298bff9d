#include "wizard/device/NotifyThread.h"

TNotifyThread::TNotifyThread(TExecuteProc AOnExecute, QObject *parent)
    : QThread(parent), FOnExecute(std::move(AOnExecute))
{
}

TNotifyThread::~TNotifyThread()
{
    requestInterruption();
    wait();
}

void TNotifyThread::run()
{
    if (FOnExecute)
        FOnExecute(*this);
}
