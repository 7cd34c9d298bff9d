#pragma once
// Tells the main window that a page's driver call begins (false) or ended (true).

#include <functional>

class QObject;

class TPageNotifier
{
public:
    using TChangeEvent = std::function<void(QObject *Sender, bool Value)>;

    TChangeEvent OnChange;
    void DoChange(QObject *Sender, bool Value) const;
};

// The process-wide notifier, made on first use.
TPageNotifier &PageNotifier();
