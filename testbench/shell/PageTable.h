#pragma once
// The window's groups and their pages, declared in one table
// (PageTableEntries.h). To add a page: define its class, put
// KASSIO_PAGE_FACTORY(TfmSomething) in its .cpp, and enable its
// KASSIO_TAB line in PageTableEntries.h.

#include <vector>

class TPage;

using TPageFactory = TPage *(*)();

struct TPageGroup
{
    // Source text of the caption; translated unless fixed.
    const char *caption;
    bool fixedCaption;
    std::vector<TPageFactory> pages;
};

using TPageTable = std::vector<TPageGroup>;

// The twelve groups of the test bench, in the order the window lists them.
TPageTable StandardPageTable();

template<class T>
TPage *CreatePage()
{
    return new T;
}

#define KASSIO_PAGE_FACTORY(Class) \
    TPage *CreatePage_##Class() { return CreatePage<Class>(); }

#define KASSIO_GROUP(caption)
#define KASSIO_FIXED_GROUP(caption)
#define KASSIO_TAB(Class) TPage *CreatePage_##Class();
#include "testbench/shell/PageTableEntries.h"
#undef KASSIO_GROUP
#undef KASSIO_FIXED_GROUP
#undef KASSIO_TAB
