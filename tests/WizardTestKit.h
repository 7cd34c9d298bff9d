#pragma once
// Wizard tests: the program's page list with a port search that sees only
// the built-in emulator (no real port of the machine is probed), and the
// user's way from the start page to the job page.

#include "driver/ComportUtils.h"
#include "wizard/device/SearchDevice.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/MainForm.h"

#include <QTreeWidget>
#include <QtTest>

namespace wizardtest {

inline TSerialPorts BuiltInEmulatorOnly()
{
    TSerialPorts all;
    all.EnumPorts();
    TSerialPorts ports;
    for (int i = 0; i < all.Count(); ++i)
        if (all.Items(i).ComNumber == 1)
            ports.Add(all.Items(i));
    return ports;
}

// The program's pages; the port search is the second of them.
inline std::vector<TfmMain::TPageFactory> PageList()
{
    std::vector<TfmMain::TPageFactory> list = TfmMain::DefaultPageList();
    list.at(1) = [] { return new TfmSearchDevice(BuiltInEmulatorOnly); };
    return list;
}

inline QString CurrentPageClass()
{
    return QString::fromLatin1(Controller().CurrentPage->metaObject()->className());
}

// Start page, serial ports, the search finding the built-in emulator on
// COM1, its line chosen: the job page. False when the way is not as that.
inline bool ToJobPage(TfmMain &w)
{
    w.Next();
    if (CurrentPageClass() != QLatin1String("TfmSelectPortType"))
        return false;
    w.Next();
    auto *list = Controller().CurrentPage->findChild<QTreeWidget *>(QStringLiteral("lvDevices"));
    if (!list || !QTest::qWaitFor([list] { return list->topLevelItemCount() > 0; }, 10000))
        return false;
    list->setCurrentItem(list->topLevelItem(0));
    w.Next();
    return CurrentPageClass() == QLatin1String("TfmSelectWorkType");
}

} // namespace wizardtest
