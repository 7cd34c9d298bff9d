#pragma once
// A captioned group of radio buttons with one item index, for pages that
// offer a choice among a few fixed options.

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

class TRadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit TRadioGroup(const QString &caption = QString(), QWidget *parent = nullptr);

    void SetItems(const QStringList &items);
    int Count() const;
    // -1 when no item is chosen.
    int ItemIndex() const;
    // An index outside the items chooses none.
    void SetItemIndex(int index);

signals:
    void ItemIndexChanged(int index);

private:
    QButtonGroup *FButtons;
};
