#include "wizard/shell/ChoicePage.h"
#include "wizard/shell/Controller.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

TChoicePage::TChoicePage(const QString &caption, const QStringList &items) : TParamPage(caption)
{
    listBox = new QListWidget(this);
    listBox->setObjectName(QStringLiteral("listBox"));
    listBox->setFrameShape(QFrame::NoFrame);
    QFont font(QStringLiteral("Arial"), 16);
    font.setBold(true);
    listBox->setFont(font);
    listBox->setMinimumWidth(480);
    connect(listBox, &QListWidget::itemDoubleClicked, this, [] { Controller().Next(); });

    // Centred horizontally whatever the page's width.
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(listBox);
    row->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    SetItems(items);
}

void TChoicePage::SetItems(const QStringList &items)
{
    listBox->clear();
    for (const QString &text : items) {
        auto *item = new QListWidgetItem(text, listBox);
        item->setSizeHint(QSize(0, 30));
    }
}

void TChoicePage::FormShow()
{
    if (listBox->count() > 0)
        listBox->setCurrentRow(0);
    listBox->setFocus();
}

int TChoicePage::Choice() const
{
    return listBox->currentRow();
}
