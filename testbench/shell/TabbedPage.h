#pragma once
// A group page: one tab control filling the form, one page form per tab
// (inside a scroll area, so a large page scrolls within its tab).

#include "testbench/shell/Page.h"

class QTabWidget;

class TfmTabbedPage : public TPage
{
    Q_OBJECT
public:
    explicit TfmTabbedPage(QWidget *parent = nullptr);
    ~TfmTabbedPage() override;

    QTabWidget *PageControl() const { return FPageControl; }
    // The page on tab Index, or none.
    TPage *TabPage(int Index) const;
    // Puts the page on a new last tab captioned with the page's caption.
    void AddTab(TPage *Page);

    // Both pass on to the page on the active tab.
    void UpdatePage() override;
    void UpdateObject() override;

private:
    void TabChanged(int Index);

    QTabWidget *FPageControl;
    int FActiveTab = -1;
};
