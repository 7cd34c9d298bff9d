#include "testbench/shell/PageNotifier.h"

void TPageNotifier::DoChange(QObject *Sender, bool Value) const
{
    if (OnChange)
        OnChange(Sender, Value);
}

TPageNotifier &PageNotifier()
{
    static TPageNotifier notifier;
    return notifier;
}
