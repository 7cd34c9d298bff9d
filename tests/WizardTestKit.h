#pragma once
// Wizard tests: the program's page list with a port search that sees only
// the built-in emulator (no real port of the machine is probed), and the
// user's way from the start page to the job page.

#include "driver/ComportUtils.h"
#include "wizard/device/SearchDevice.h"
#include "wizard/registration/OfdTemplates.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/MainForm.h"

#include <QLineEdit>
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
// COM1 and its line chosen. False when the way is not as that.
inline bool ToChosenRegister(TfmMain &w)
{
    w.Next();
    if (CurrentPageClass() != QLatin1String("TfmSelectPortType"))
        return false;
    w.Next();
    auto *list = Controller().CurrentPage->findChild<QTreeWidget *>(QStringLiteral("lvDevices"));
    if (!list || !QTest::qWaitFor([list] { return list->topLevelItemCount() > 0; }, 10000))
        return false;
    list->setCurrentItem(list->topLevelItem(0));
    return true;
}

// ... and on to the job page.
inline bool ToJobPage(TfmMain &w)
{
    if (!ToChosenRegister(w))
        return false;
    w.Next();
    return CurrentPageClass() == QLatin1String("TfmSelectWorkType");
}

// OFD and place data the data pages accept.
inline TRegParams ValidOfdData()
{
    TRegParams r;
    r.OFDServer = QStringLiteral("k-server.example.ru");
    r.OFDPort = 21101;
    r.OFDName = QStringLiteral("ОФД Тест");
    r.OFDUrl = QStringLiteral("ofd.example.ru");
    r.OFDINN = QStringLiteral("7707083893");
    r.TaxOfficeURL = DefaultTaxOfficeURL();
    r.ServerKM = QStringLiteral("km.example.ru");
    r.PortKM = 31101;
    r.SenderEmail = QStringLiteral("shop@example.ru");
    r.User = QStringLiteral("ООО \"Ромашка\"");
    r.Cashier = QStringLiteral("Старший кассир Иванов");
    r.Address = QStringLiteral("г. Москва, ул. Тверская, 1");
    r.PayPlace = QStringLiteral("Магазин");
    return r;
}

// Types the record's values into the edits of the current page that carry
// them (by their names); other pages are left as they are.
inline void FillDataPage(const TRegParams &r)
{
    const std::pair<const char *, QString> edits[] = {
        {"edtOFDServer", r.OFDServer},   {"edtOFDPort", QString::number(r.OFDPort)},
        {"edtOFDName", r.OFDName},       {"edtOFDUrl", r.OFDUrl},
        {"edtINNOFD", r.OFDINN},         {"edtTaxOfficeURL", r.TaxOfficeURL},
        {"edtServerKM", r.ServerKM},     {"edtPortKM", QString::number(r.PortKM)},
        {"edtSenderEmail", r.SenderEmail}, {"edtUser", r.User},
        {"edtOperator", r.Cashier},      {"edtAddress", r.Address},
        {"edtPaymentPlace", r.PayPlace}, {"edtCashierINN", r.CashierINN},
        {"edtINN", r.INN},               {"edtRNM", r.RNM},
    };
    for (const auto &[name, value] : edits)
        if (auto *edit = Controller().CurrentPage->findChild<QLineEdit *>(QLatin1String(name)))
            edit->setText(value);
}

} // namespace wizardtest
