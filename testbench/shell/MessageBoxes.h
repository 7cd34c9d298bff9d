#pragma once
// Every message box of the test bench goes through here, so GUI tests can
// answer a box instead of running a modal loop (SetMessageResponder).

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

enum class TMessageKind { Information, Warning, Critical, Question };

struct TMessage
{
    TMessageKind kind;
    QString title;
    QString text;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Answers a box in place of the user; none (the default) shows real boxes.
using TMessageResponder = std::function<QMessageBox::StandardButton(const TMessage &)>;
void SetMessageResponder(TMessageResponder responder);

QMessageBox::StandardButton ShowMessage(QWidget *parent, TMessageKind kind, const QString &title,
                                        const QString &text,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

// The standard error box: the program title and the error's message.
void ShowErrorMessage(QWidget *parent, const QString &text);

// "Тест драйвера кассовой техники", translated.
QString ApplicationTitle();
