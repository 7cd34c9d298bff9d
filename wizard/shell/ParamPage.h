#pragma once
// The wizard's page contract. Every step is a TParamPage; its Next validates,
// acts on the register and names the class of the following page in the
// controller's NextPageClass. Failures are thrown (see WizardErrors.h).
// TParamPages holds the pages in registration order and finds them by class.

#include <QWidget>

#include <vector>

class TParamPages;

// A page class, compared with QMetaObject::inherits: every page has Q_OBJECT.
using TPageClass = const QMetaObject *;

class TParamPage : public QWidget
{
    Q_OBJECT
public:
    explicit TParamPage(const QString &caption);
    ~TParamPage() override;

    // Moves the page from its current list to AOwner (either may be none).
    void SetOwner(TParamPages *AOwner);
    TParamPages *Owner() const { return FOwner; }
    QString Caption() const { return windowTitle(); }

    // The page to return to on back; set by the shell on every forward move.
    TParamPage *PrevPage = nullptr;

    virtual void CloseEvent() {}
    virtual void Next() {}
    virtual void Prev() {}
    virtual void UpdatePage() {}
    virtual void SetDefaults() {}
    virtual void UpdateObject() {}
    virtual void Home() {}
    // Runs each time the shell brings the page on screen, after it has
    // enabled all four buttons; may disable some of them.
    virtual void FormShow() {}

private:
    TParamPages *FOwner = nullptr;
};

class TParamPages
{
public:
    TParamPages() = default;
    ~TParamPages(); // frees every page it still holds
    TParamPages(const TParamPages &) = delete;
    TParamPages &operator=(const TParamPages &) = delete;

    int GetCount() const { return static_cast<int>(FList.size()); }
    TParamPage *GetItem(int Index) const;
    int IndexOf(const TParamPage *APage) const;
    // The first page, in list order, of AClass or a class derived from it.
    TParamPage *PageByClass(TPageClass AClass) const;
    int PageIndexByClass(TPageClass AClass) const;
    int PageIndexByTag(int ATag) const;
    void CloseEvent();
    void UpdatePage();
    void UpdateObject();

private:
    friend class TParamPage;
    void Add(TParamPage *APage) { FList.push_back(APage); }
    void Remove(TParamPage *APage);

    std::vector<TParamPage *> FList;
};
