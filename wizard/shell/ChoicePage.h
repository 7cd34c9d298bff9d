#pragma once
// A page whose content is one list of choices (jobs, port type, network type,
// client type): bold rows, centred, the first row selected on show, a double
// click moves on.

#include "wizard/shell/ParamPage.h"

#include <QStringList>

class QListWidget;

class TChoicePage : public TParamPage
{
    Q_OBJECT
public:
    TChoicePage(const QString &caption, const QStringList &items);

    void FormShow() override;
    int Choice() const;

protected:
    void SetItems(const QStringList &items);
    QListWidget *listBox = nullptr;
};
