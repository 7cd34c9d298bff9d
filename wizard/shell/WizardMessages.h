#pragma once
// Every message box of the wizard goes through here, so tests can answer a
// box (SetWizardMessageResponder) instead of running a modal loop.

#include <QMessageBox>
#include <QString>

#include <functional>

// Title of the wizard's boxes unless a box names its own.
QString WizardTitle();
// The title of the questions that warn before going on.
inline QString WarningTitle() { return QStringLiteral("Внимание!"); }

enum class TWizardMessageKind { Information, Warning, Error, Question };

struct TWizardMessage
{
    TWizardMessageKind kind;
    QString text;
    QMessageBox::StandardButtons buttons;
    QString title;
};

using TWizardMessageResponder = std::function<QMessageBox::StandardButton(const TWizardMessage &)>;
// None (the default) shows real boxes.
void SetWizardMessageResponder(TWizardMessageResponder responder);

QMessageBox::StandardButton WizardMessage(QWidget *parent, TWizardMessageKind kind, const QString &text,
                                          QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                          QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
                                          const QString &title = WizardTitle());

void ShowWizardError(QWidget *parent, const QString &text);
