#pragma once
// One translation context for every text of the test bench: write
// KassioTest::tr("...") (or QCoreApplication::translate("KassioTest", ...))
// so that the single catalogue locale/KassioTest_en.ts covers all of them.

#include <QCoreApplication>

struct KassioTest
{
    Q_DECLARE_TR_FUNCTIONS(KassioTest)
};
