#pragma once
// The wizard's errors. A page signals a failed step by throwing: EWizardError
// carries the message the user sees; EWizardAbort ends the step silently (the
// user cancelled a confirmation). The shell catches both around every page
// operation, so no exception crosses the event loop.

#include <QString>

#include <exception>
#include <functional>

class QWidget;

class EWizardError : public std::exception
{
public:
    explicit EWizardError(QString message) : FMessage(std::move(message)), FUtf8(FMessage.toUtf8()) {}
    const QString &Message() const { return FMessage; }
    const char *what() const noexcept override { return FUtf8.constData(); }

private:
    QString FMessage;
    QByteArray FUtf8;
};

class EWizardAbort : public std::exception
{
public:
    const char *what() const noexcept override { return "aborted"; }
};

// Runs body; an EWizardError or any other exception shows its message in the
// error box, EWizardAbort shows nothing. True when body ended normally.
bool WizardGuarded(QWidget *parent, const std::function<void()> &body) noexcept;
