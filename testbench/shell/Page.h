#pragma once
// TPage: the base of every test page and of the group page; TPages: the
// window's ordered list of pages.

#include "testbench/shell/BaseForm.h"

#include <QList>

#include <functional>

class QAbstractButton;
class TPages;

class TPage : public TBaseForm
{
    Q_OBJECT
public:
    explicit TPage(QWidget *parent = nullptr);
    ~TPage() override;

    // False disables every push button of the page and then tells the main
    // window that a call begins; True tells it the call ended and enables
    // every button again. The focused button keeps its focus across.
    void EnableButtons(bool Value) override;
    // Once for every page, after all pages exist.
    virtual void Initialize() {}
    // The page becomes visible (also after the driver's property dialog).
    virtual void UpdatePage() {}
    // The page is left.
    virtual void UpdateObject() {}
    virtual int LoadDefaults() { return 0; }

    // Raises the silent abort when ResultCode is not 0.
    static void Check(int ResultCode);

    // Moves the page from its current list (if any) to the end of list (may be none).
    void SetOwner(TPages *list);
    TPages *Owner() const { return FOwner; }
    int GetIndex() const;

    // The frame of a handler that calls the driver: buttons off, body, and
    // buttons on again also when the body ends by an error or Check. Errors
    // then reach the handler guard.
    void RunFrame(const std::function<void()> &body);
    // Connects a button to a handler body run in the frame, inside the guard.
    void OnClick(QAbstractButton *button, std::function<void()> body);

private:
    TPages *FOwner = nullptr;
};

class TPages
{
public:
    TPages() = default;
    // Destroys every page, always the first remaining one.
    ~TPages();
    TPages(const TPages &) = delete;
    TPages &operator=(const TPages &) = delete;

    int Count() const { return FList.size(); }
    TPage *Items(int Index) const { return FList.at(Index); }
    int GetItemIndex(const TPage *Page) const { return FList.indexOf(Page); }
    bool ValidIndex(int Index) const { return Index >= 0 && Index < Count(); }

    // The first page that is a T, or none.
    template<class T>
    T *PageByClass() const
    {
        for (TPage *page : FList)
            if (auto *match = qobject_cast<T *>(page))
                return match;
        return nullptr;
    }

private:
    friend class TPage;
    QList<TPage *> FList;
};
