#pragma once
// The application object of both programs. Its last line of defence: an
// error that slipped past a handler's guard is shown by the program's guard
// instead of ending the program.

#include <QApplication>

#include <functional>

class TGuardedApplication : public QApplication
{
public:
    // Runs the body and shows whatever it throws; never throws itself.
    using TGuard = std::function<void(const std::function<void()> &body)>;

    TGuardedApplication(int &argc, char **argv, TGuard guard)
        : QApplication(argc, argv), FGuard(std::move(guard))
    {
    }

    bool notify(QObject *receiver, QEvent *event) override
    {
        bool result = false;
        FGuard([&] { result = QApplication::notify(receiver, event); });
        return result;
    }

private:
    TGuard FGuard;
};
