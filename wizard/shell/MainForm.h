#pragma once
// TfmMain: the wizard's window. One page at a time in pnlSite, its caption in
// pnlTop, and four buttons: back, next, home and the driver settings. A page's
// Next names the class of the following page; the window shows the first page
// of that class and remembers where it came from for back.

#include "wizard/shell/Controller.h"
#include "wizard/shell/ParamPage.h"

#include <QCoreApplication>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QPushButton;
class QToolButton;

class TfmMain : public QWidget, public TWizardShell
{
    Q_OBJECT
public:
    using TPageFactory = std::function<TParamPage *()>;
    // The wizard's 31 pages in registration order.
    static std::vector<TPageFactory> DefaultPageList();

    // programFolder: where "X5.ini" is looked for (the executable's folder).
    explicit TfmMain(const QString &programFolder = QCoreApplication::applicationDirPath(),
                     const std::vector<TPageFactory> &pageList = DefaultPageList(), QWidget *parent = nullptr);
    ~TfmMain() override;

    void Next() override;
    void Prev() override;
    void Home() override;
    void EnableNext(bool AEnable) override;
    void EnablePrev(bool AEnable) override;
    void EnableHome(bool AEnable) override;
    void EnableSettings(bool AEnable) override;
    const TParamPages &Pages() const override { return *FPages; }

    int PageIndex() const { return FIndex; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void CreatePages(const std::vector<TPageFactory> &pageList);
    void AddPage(TParamPage *APage);
    void ShowPage(int Index);
    int FindNextPageIndex() const;
    int FindPrevPageIndex() const;
    void btnNextClick();
    void btnPrevClick();
    void btnHomeClick();
    void btnMenuClick();
    void CenterButtons();

    QLabel *pnlTop = nullptr;
    QWidget *pnlSite = nullptr;
    QWidget *pnlBottom = nullptr;
    QToolButton *btnHome = nullptr;
    QWidget *pnlButtons = nullptr;
    QPushButton *btnPrev = nullptr;
    QPushButton *btnNext = nullptr;
    QToolButton *btnMenu = nullptr;

    int FIndex = -1;
    bool FShown = false;
    std::unique_ptr<TParamPages> FPages;
};
