#include "testbench/shell/RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

TRadioGroup::TRadioGroup(const QString &caption, QWidget *parent)
    : QGroupBox(caption, parent)
    , FButtons(new QButtonGroup(this))
{
    new QVBoxLayout(this);
    connect(FButtons, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            emit ItemIndexChanged(id);
    });
}

void TRadioGroup::SetItems(const QStringList &items)
{
    for (QAbstractButton *button : FButtons->buttons())
        delete button;
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items.at(i), this);
        FButtons->addButton(button, i);
        layout()->addWidget(button);
    }
}

int TRadioGroup::Count() const
{
    return FButtons->buttons().size();
}

int TRadioGroup::ItemIndex() const
{
    return FButtons->checkedId();
}

void TRadioGroup::SetItemIndex(int index)
{
    if (QAbstractButton *button = FButtons->button(index)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group keeps its checked button; lift that for a moment.
    if (QAbstractButton *checked = FButtons->checkedButton()) {
        FButtons->setExclusive(false);
        checked->setChecked(false);
        FButtons->setExclusive(true);
    }
}
