#include "testbench/shell/PasswordEdit.h"

#include "testbench/shell/HandlerGuard.h"
#include "testbench/shell/InputChecks.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

void CheckPasswordText(const QString &text)
{
    CheckIntStr(text, QStringLiteral("Password"));
    StrToInt(text);
}

TPasswordEdit::TPasswordEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setMaxLength(100);
    setAcceptDrops(false);
}

void TPasswordEdit::Paste()
{
    Guarded(this, [this] {
        CheckPasswordText(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
        paste();
    });
}

void TPasswordEdit::keyPressEvent(QKeyEvent *event)
{
    if (event == QKeySequence::Paste) {
        Paste();
        event->accept();
        return;
    }
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint() && !text.at(0).isDigit() && text.at(0) != QLatin1Char('.')) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TPasswordEdit::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction *action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste")) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, &TPasswordEdit::Paste);
        }
    }
    menu->popup(event->globalPos());
}

void TPasswordEdit::mouseReleaseEvent(QMouseEvent *event)
{
    // The middle button pastes the X11 selection.
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection() && !isReadOnly()) {
        bool passed = false;
        Guarded(this, [&] {
            CheckPasswordText(clipboard->text(QClipboard::Selection));
            passed = true;
        });
        if (!passed) {
            event->accept();
            return;
        }
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TPasswordEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    emit FocusLost();
}
