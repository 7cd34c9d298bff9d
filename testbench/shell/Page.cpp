#include "testbench/shell/Page.h"

#include "driver/Driver.h"
#include "testbench/shell/HandlerGuard.h"
#include "testbench/shell/PageNotifier.h"

#include <QAbstractButton>
#include <QPushButton>

TPage::TPage(QWidget *parent)
    : TBaseForm(parent)
{
}

TPage::~TPage()
{
    SetOwner(nullptr);
}

void TPage::EnableButtons(bool Value)
{
    if (Value) {
        PageNotifier().DoChange(this, true);
        for (QPushButton *button : Buttons())
            button->setEnabled(true);
        RestoreFocusedButton();
        return;
    }
    // Buttons go off before the notifier lets the window repaint, so a
    // second click already queued cannot start this handler again inside
    // itself.
    RememberFocusedButton();
    for (QPushButton *button : Buttons())
        button->setEnabled(false);
    PageNotifier().DoChange(this, false);
}

void TPage::Check(int ResultCode)
{
    ::Check(ResultCode);
}

void TPage::SetOwner(TPages *list)
{
    if (FOwner)
        FOwner->FList.removeOne(this);
    FOwner = list;
    if (FOwner)
        FOwner->FList.append(this);
}

int TPage::GetIndex() const
{
    return FOwner ? FOwner->GetItemIndex(this) : -1;
}

void TPage::RunFrame(const std::function<void()> &body)
{
    EnableButtons(false);
    try {
        body();
    } catch (...) {
        EnableButtons(true);
        throw;
    }
    EnableButtons(true);
}

void TPage::OnClick(QAbstractButton *button, std::function<void()> body)
{
    connect(button, &QAbstractButton::clicked, this,
            [this, body = std::move(body)] { Guarded(this, [&] { RunFrame(body); }); });
}

TPages::~TPages()
{
    while (!FList.isEmpty())
        delete FList.first();
}
