#include "testbench/shell/BaseForm.h"

#include "testbench/shell/Language.h"

#include <QApplication>
#include <QPushButton>

namespace {

// A mark of our own rather than the "tag" property, which the settings
// walker reads (tag 1000) and pages may use.
constexpr char DisabledMark[] = "kassioDisabledByForm";

void CollectButtons(const QWidget *parent, QList<QPushButton *> &buttons)
{
    for (QObject *child : parent->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget)
            continue;
        CollectButtons(widget, buttons);
        if (auto *button = qobject_cast<QPushButton *>(widget))
            buttons.append(button);
    }
}

} // namespace

TBaseForm::TBaseForm(QWidget *parent)
    : QWidget(parent)
{
    BindCatalogue();
}

QList<QPushButton *> TBaseForm::Buttons() const
{
    QList<QPushButton *> buttons;
    CollectButtons(this, buttons);
    return buttons;
}

void TBaseForm::RememberFocusedButton()
{
    if (auto *focused = qobject_cast<QPushButton *>(QApplication::focusWidget()); focused && isAncestorOf(focused))
        FFocusedButton = focused;
}

void TBaseForm::RestoreFocusedButton()
{
    if (FFocusedButton && FFocusedButton->isEnabled() && FFocusedButton->isVisible()
        && FFocusedButton->focusPolicy() != Qt::NoFocus)
        FFocusedButton->setFocus();
    FFocusedButton.clear();
}

void TBaseForm::EnableButtons(bool Value)
{
    if (!Value)
        RememberFocusedButton();
    for (QPushButton *button : Buttons()) {
        if (!Value && button->isEnabled()) {
            button->setProperty(DisabledMark, true);
            button->setEnabled(false);
        } else if (Value && button->property(DisabledMark).toBool()) {
            button->setProperty(DisabledMark, QVariant());
            button->setEnabled(true);
        }
    }
    if (Value)
        RestoreFocusedButton();
}
