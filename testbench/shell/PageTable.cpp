#include "testbench/shell/PageTable.h"

#include <QCoreApplication>

TPageTable StandardPageTable()
{
    TPageTable table;
#define KASSIO_GROUP(caption) table.push_back({caption, false, {}});
#define KASSIO_FIXED_GROUP(caption) table.push_back({caption, true, {}});
#define KASSIO_TAB(Class) table.back().pages.push_back(&CreatePage_##Class);
#include "testbench/shell/PageTableEntries.h"
#undef KASSIO_GROUP
#undef KASSIO_FIXED_GROUP
#undef KASSIO_TAB
    return table;
}
