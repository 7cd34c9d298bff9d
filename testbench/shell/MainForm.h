#pragma once
// The test bench's main window: group list, page site, result panel.

#include "testbench/shell/BaseForm.h"
#include "testbench/shell/PageTable.h"

#include <QElapsedTimer>

#include <memory>

class QAction;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSplitter;
class TfmTabbedPage;
class TPage;
class TPages;
class TPasswordEdit;

class TfmMain : public TBaseForm
{
    Q_OBJECT
public:
    // Client area of the design.
    static constexpr int DesignWidth = 745;
    static constexpr int DesignHeight = 510;

    explicit TfmMain(const TPageTable &table = StandardPageTable(), QWidget *parent = nullptr);
    ~TfmMain() override;

    TPages &Pages() const { return *FPages; }
    TfmTabbedPage *ShownGroup() const { return FShownGroup; }
    int GroupCount() const { return FGroups.size(); }
    TfmTabbedPage *Group(int index) const { return FGroups.at(index); }

    // Hides the shown group and shows this one.
    void ShowPage(TfmTabbedPage *page);
    // Selects and shows the group that is, or holds on a tab, this page.
    void SetPage(TPage *page);
    int GetTabIndex() const;
    void SetTab(int index);
    void UpdateCaption();
    static QString GetDefCaption();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void CreateMenu();
    QWidget *CreateHeader();
    QWidget *CreateResultPanel();
    void CreatePages(const TPageTable &table);
    TfmTabbedPage *AddTabbedPage(const QString &caption);
    void AddTabItem(TfmTabbedPage *group, TPageFactory factory);
    void InitializePages();
    void LoadParams();
    void SaveParams();
    void UpdateListBox();
    void UpdateLanguage();
    void ChooseLanguage(const QString &code);
    void PagesChanged(bool Value);
    void SetNavigationEnabled(bool Value);
    void ShowPassword();
    void PasswordChanged(const QString &text);
    void ShowDriverProperties();
    void GroupSelected(int row);

    std::unique_ptr<TPages> FPages;
    QList<TfmTabbedPage *> FGroups;
    TfmTabbedPage *FShownGroup = nullptr;
    QElapsedTimer FCallTimer;

    QAction *FRussian = nullptr;
    QAction *FEnglish = nullptr;
    QSplitter *FSplitter = nullptr;
    QListWidget *FGroupList = nullptr;
    QWidget *FPageSite = nullptr;
    QLineEdit *edtResult = nullptr;
    QLineEdit *edtInput = nullptr;
    QLineEdit *edtOutput = nullptr;
    QLineEdit *edtTime = nullptr;
    QLineEdit *edtOperator = nullptr;
    TPasswordEdit *edtPassword = nullptr;
};
