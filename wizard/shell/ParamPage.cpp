#include "wizard/shell/ParamPage.h"

#include <algorithm>

TParamPage::TParamPage(const QString &caption)
{
    setWindowTitle(caption);
}

TParamPage::~TParamPage()
{
    SetOwner(nullptr);
}

void TParamPage::SetOwner(TParamPages *AOwner)
{
    if (FOwner)
        FOwner->Remove(this);
    FOwner = AOwner;
    if (FOwner)
        FOwner->Add(this);
}

TParamPages::~TParamPages()
{
    // Each page's destructor takes it off the list.
    while (!FList.empty())
        delete FList.back();
}

TParamPage *TParamPages::GetItem(int Index) const
{
    return Index >= 0 && Index < GetCount() ? FList[static_cast<std::size_t>(Index)] : nullptr;
}

int TParamPages::IndexOf(const TParamPage *APage) const
{
    const auto it = std::find(FList.begin(), FList.end(), APage);
    return APage && it != FList.end() ? static_cast<int>(it - FList.begin()) : -1;
}

int TParamPages::PageIndexByClass(TPageClass AClass) const
{
    if (!AClass)
        return -1;
    for (int i = 0; i < GetCount(); ++i)
        if (FList[static_cast<std::size_t>(i)]->metaObject()->inherits(AClass))
            return i;
    return -1;
}

TParamPage *TParamPages::PageByClass(TPageClass AClass) const
{
    return GetItem(PageIndexByClass(AClass));
}

int TParamPages::PageIndexByTag(int ATag) const
{
    for (int i = 0; i < GetCount(); ++i) {
        // A page without the property has tag 0, as every control starts.
        if (FList[static_cast<std::size_t>(i)]->property("tag").toInt() == ATag)
            return i;
    }
    return -1;
}

void TParamPages::Remove(TParamPage *APage)
{
    FList.erase(std::remove(FList.begin(), FList.end(), APage), FList.end());
}

void TParamPages::CloseEvent()
{
    for (TParamPage *page : std::vector(FList))
        page->CloseEvent();
}

void TParamPages::UpdatePage()
{
    for (TParamPage *page : std::vector(FList))
        page->UpdatePage();
}

void TParamPages::UpdateObject()
{
    for (TParamPage *page : std::vector(FList))
        page->UpdateObject();
}
