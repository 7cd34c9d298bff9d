#include "testbench/shell/TabbedPage.h"

#include "testbench/shell/HandlerGuard.h"

#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

TfmTabbedPage::TfmTabbedPage(QWidget *parent)
    : TPage(parent)
    , FPageControl(new QTabWidget(this))
{
    setWindowTitle(QStringLiteral("TabbedPage"));
    FPageControl->setObjectName(QStringLiteral("PageControl"));
    FPageControl->setUsesScrollButtons(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FPageControl);
    connect(FPageControl, &QTabWidget::currentChanged, this, &TfmTabbedPage::TabChanged);
}

TfmTabbedPage::~TfmTabbedPage()
{
    // Tabs removed while the tab control is taken apart are no page changes.
    FPageControl->disconnect(this);
}

TPage *TfmTabbedPage::TabPage(int Index) const
{
    const auto *tab = qobject_cast<QScrollArea *>(FPageControl->widget(Index));
    return tab ? qobject_cast<TPage *>(tab->widget()) : nullptr;
}

void TfmTabbedPage::AddTab(TPage *Page)
{
    // A page taller or wider than its tab scrolls instead of stretching the
    // whole window to its size.
    auto *tab = new QScrollArea;
    tab->setObjectName(Page->objectName().isEmpty() ? QString() : QStringLiteral("ts") + Page->objectName());
    tab->setFrameShape(QFrame::NoFrame);
    tab->setWidgetResizable(true);
    tab->setWidget(Page);
    Page->show();
    // Adding the first tab makes it current, which would call UpdatePage
    // before the pages are initialized; the window does that when it shows
    // the group.
    const QSignalBlocker blocker(FPageControl);
    FPageControl->addTab(tab, Page->windowTitle());
    FActiveTab = FPageControl->currentIndex();
}

void TfmTabbedPage::UpdatePage()
{
    if (TPage *page = TabPage(FPageControl->currentIndex()))
        page->UpdatePage();
}

void TfmTabbedPage::UpdateObject()
{
    if (TPage *page = TabPage(FPageControl->currentIndex()))
        page->UpdateObject();
}

void TfmTabbedPage::TabChanged(int Index)
{
    // The page left gets UpdateObject, the page entered UpdatePage.
    const int previous = FActiveTab;
    FActiveTab = Index;
    Guarded(this, [&] {
        if (TPage *page = TabPage(previous))
            page->UpdateObject();
        if (TPage *page = TabPage(Index))
            page->UpdatePage();
    });
}
