// The wizard's network setup pages against the built-in emulator: what each
// settings page shows and writes (read back from the register's state),
// input refused before anything is written, a failed write named, and the
// WiFi page's way on.
#include "KassioTestEnv.h"
#include "WizardTestKit.h"

#include "emulator/EmulatedRegister.h"
#include "wizard/device/EthernetParams.h"
#include "wizard/device/RNDISParams.h"
#include "wizard/device/WiFiParams.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/MainForm.h"
#include "wizard/shell/WizardErrors.h"
#include "wizard/shell/WizardMessages.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using TFieldValues = QMap<QString, QString>; // "table.field" of row 1 → value as text

QString key(int table, int field)
{
    return QStringLiteral("%1.%2").arg(table).arg(field);
}

const char *const netPageClass[] = {"TfmEthernetParams", "TfmWiFiParams", "TfmRNDISParams"};

} // namespace

class TestNetPages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void table16AddressesShown_data();
    void table16AddressesShown();
    void wifiShowsItsTables();
    void dhcpBoxSwitchesTheAddressEdits_data();
    void dhcpBoxSwitchesTheAddressEdits();
    void pagesWriteExactlyTheirFields_data();
    void pagesWriteExactlyTheirFields();
    void badInputWritesNothing_data();
    void badInputWritesNothing();
    void failedWriteNamesTheSetting();
    void wifiGoesOnToTheOFDExchangeState();

private:
    // Walks the OFD setup job to the settings page of the network type.
    TNetParamsPage *openNetPage(TfmMain &w, int netType);
    // The DHCP box (where the page has one), the address, mask, gateway and DNS, and the port.
    static void fill(TNetParamsPage *page, bool dhcp, const QStringList &addresses, const QString &port);
    std::unique_ptr<TfmMain> makeWindow();
    TFieldValues written();
    void seed(const TFieldValues &values);
    static QString current() { return QString::fromLatin1(Controller().CurrentPage->metaObject()->className()); }
    static void press(TfmMain &w, const char *button) { w.findChild<QAbstractButton *>(QLatin1String(button))->click(); }

    std::unique_ptr<KassioTestEnv> m_env;
    std::shared_ptr<emu::EmulatedRegister> m_register;
    QTemporaryDir m_folder;
    QList<TWizardMessage> m_messages;
};

void TestNetPages::initTestCase()
{
    m_env = std::make_unique<KassioTestEnv>();
    m_register = emu::EmulatedRegister::shared(emu::EmulatedRegister::defaultStateFile());
    SetWizardMessageResponder([this](const TWizardMessage &m) {
        m_messages << m;
        return QMessageBox::Ok;
    });
}

void TestNetPages::init()
{
    QVERIFY(m_register->factoryReset(emu::defaultModelId()));
    m_messages.clear();
}

void TestNetPages::cleanup()
{
    FreeWizardDriver();
}

std::unique_ptr<TfmMain> TestNetPages::makeWindow()
{
    auto w = std::make_unique<TfmMain>(m_folder.path(), wizardtest::PageList());
    w->show();
    return w;
}

void TestNetPages::fill(TNetParamsPage *page, bool dhcp, const QStringList &addresses, const QString &port)
{
    if (page->chkDHCP)
        page->chkDHCP->setChecked(dhcp);
    page->ipStatic->setText(addresses[0]);
    page->ipMask->setText(addresses[1]);
    page->ipGateway->setText(addresses[2]);
    page->ipDNS->setText(addresses[3]);
    page->edtTCPPort->setText(port);
}

TNetParamsPage *TestNetPages::openNetPage(TfmMain &w, int netType)
{
    if (!wizardtest::ToJobPage(w))
        return nullptr;
    Controller().CurrentPage->findChild<QListWidget *>(QStringLiteral("listBox"))->setCurrentRow(5);
    for (int step = 0; step < 4 && current() != u"TfmSelectNetType"; ++step) {
        wizardtest::FillDataPage(wizardtest::ValidOfdData());
        press(w, "btnNext");
    }
    if (current() != u"TfmSelectNetType")
        return nullptr;
    Controller().CurrentPage->findChild<QListWidget *>(QStringLiteral("listBox"))->setCurrentRow(netType);
    press(w, "btnNext");
    if (current() != QLatin1String(netPageClass[netType]) || Controller().IsRNDIS != (netType == 2))
        return nullptr;
    // Everything the way there wrote is forgotten: only the page's own writes count.
    m_messages.clear();
    return qobject_cast<TNetParamsPage *>(Controller().CurrentPage);
}

// The register's row-1 values of the network tables that differ from the
// factory state; a field once written is listed even with its factory value.
TFieldValues TestNetPages::written()
{
    TFieldValues out;
    for (const auto &[k, value] : m_register->snapshot().tableValues)
        if ((k.table == 16 || k.table == 21 || k.table == 22) && k.row == 1)
            out.insert(key(k.table, k.field), value.toString());
    return out;
}

void TestNetPages::seed(const TFieldValues &values)
{
    QVERIFY(m_register->modify([&](emu::RegisterState &s) {
        for (auto it = values.begin(); it != values.end(); ++it) {
            const QStringList tf = it.key().split(u'.');
            bool isNumber = false;
            const qint64 n = it.value().toLongLong(&isNumber);
            s.tableValues[{tf[0].toInt(), 1, tf[1].toInt()}] = isNumber ? QVariant(n) : QVariant(it.value());
        }
    }));
}

void TestNetPages::table16AddressesShown_data()
{
    QTest::addColumn<int>("netType");
    QTest::newRow("Ethernet") << 0;
    QTest::newRow("RNDIS") << 2;
}

void TestNetPages::table16AddressesShown()
{
    QFETCH(int, netType);
    TFieldValues values{{"16.1", "1"}, {"21.4", "8123"}};
    const int octets[] = {10, 0, 0, 5, 10, 0, 0, 1, 255, 255, 0, 0, 8, 8, 4, 4}; // IP, gateway, mask, DNS
    for (int i = 0; i < 16; ++i)
        values.insert(key(16, 3 + i), QString::number(octets[i]));
    seed(values);
    auto w = makeWindow();
    TNetParamsPage *page = openNetPage(*w, netType);
    QVERIFY(page);
    QCOMPARE(page->ipStatic->text(), QStringLiteral("10.0.0.5"));
    QCOMPARE(page->ipGateway->text(), QStringLiteral("10.0.0.1"));
    QCOMPARE(page->ipMask->text(), QStringLiteral("255.255.0.0"));
    QCOMPARE(page->ipDNS->text(), QStringLiteral("8.8.4.4"));
    QCOMPARE(page->edtTCPPort->text(), QStringLiteral("8123"));
    if (page->chkDHCP)
        QVERIFY(!page->chkDHCP->isChecked()); // field 1 = 1: a static address
    QVERIFY(page->ipStatic->isEnabled());
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(written(), TFieldValues(values)); // showing writes nothing
}

void TestNetPages::wifiShowsItsTables()
{
    const TFieldValues values{{"21.7", "Касса-Сеть"}, {"21.8", "пароль 1"}, {"21.4", "7001"},
                              {"22.1", "1"},           {"22.2", "172.16.0.9"}, {"22.3", "255.255.240.0"},
                              {"22.4", "172.16.0.1"},  {"22.5", "1.1.1.1"}};
    seed(values);
    auto w = makeWindow();
    auto *page = qobject_cast<TfmWiFiParams *>(openNetPage(*w, 1));
    QVERIFY(page);
    QCOMPARE(page->edtWiFiSSID->text(), QStringLiteral("Касса-Сеть"));
    QCOMPARE(page->edtWiFiPass->text(), QStringLiteral("пароль 1"));
    QVERIFY(!page->chkDHCP->isChecked());
    QCOMPARE(page->ipStatic->text(), QStringLiteral("172.16.0.9"));
    QCOMPARE(page->ipMask->text(), QStringLiteral("255.255.240.0"));
    QCOMPARE(page->ipGateway->text(), QStringLiteral("172.16.0.1"));
    QCOMPARE(page->ipDNS->text(), QStringLiteral("1.1.1.1"));
    QCOMPARE(page->edtTCPPort->text(), QStringLiteral("7001"));
}

void TestNetPages::dhcpBoxSwitchesTheAddressEdits_data()
{
    QTest::addColumn<int>("netType");
    QTest::newRow("Ethernet") << 0;
    QTest::newRow("WiFi") << 1;
}

void TestNetPages::dhcpBoxSwitchesTheAddressEdits()
{
    QFETCH(int, netType);
    auto w = makeWindow();
    TNetParamsPage *page = openNetPage(*w, netType);
    QVERIFY(page);
    QCOMPARE(page->chkDHCP->text(), QStringLiteral("Использовать DHCP"));
    QVERIFY(page->chkDHCP->isChecked()); // the factory register uses DHCP
    const QList<QWidget *> edits{page->ipStatic, page->ipMask, page->ipGateway, page->ipDNS};
    for (bool dhcp : {false, true}) {
        page->chkDHCP->click();
        QCOMPARE(page->chkDHCP->isChecked(), dhcp);
        for (QWidget *edit : edits)
            QCOMPARE(edit->isEnabled(), !dhcp);
        int labels = 0;
        for (QLabel *label : page->findChildren<QLabel *>())
            if (edits.contains(label->buddy())) {
                QCOMPARE(label->isEnabled(), !dhcp);
                ++labels;
            }
        QCOMPARE(labels, 4);
    }
}

void TestNetPages::pagesWriteExactlyTheirFields_data()
{
    QTest::addColumn<int>("netType");
    QTest::addColumn<bool>("dhcp");
    QTest::addColumn<QStringList>("addresses"); // IP, mask, gateway, DNS
    QTest::addColumn<QString>("port");
    QTest::addColumn<TFieldValues>("expected");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("next");

    const QStringList office{"192.168.0.10", "255.255.255.0", "192.168.0.1", "8.8.8.8"};
    const TFieldValues officeOctets{{"16.3", "192"},  {"16.4", "168"},  {"16.5", "0"},   {"16.6", "10"},
                                    {"16.7", "192"},  {"16.8", "168"},  {"16.9", "0"},   {"16.10", "1"},
                                    {"16.11", "255"}, {"16.12", "255"}, {"16.13", "255"}, {"16.14", "0"}};
    const auto with = [](TFieldValues a, const TFieldValues &b) {
        a.insert(b);
        return a;
    };
    const QString saved = QStringLiteral("Настройки %1 успешно записаны.\r\nПерезагрузите устройство и нажмите \"ОК\"");

    // With DHCP the address edits are not even checked: garbage there is fine.
    QTest::newRow("Ethernet, DHCP")
        << 0 << true << QStringList{"999.1.1.1", "x", "", ""} << "7780"
        << TFieldValues{{"21.3", "1"}, {"21.6", "0"}, {"16.1", "0"}, {"21.4", "7780"}, {"21.9", "0"}}
        << saved.arg("Ethernet") << "TfmCheckEthernet";
    QTest::newRow("Ethernet, static: no DNS written")
        << 0 << false << office << "7779"
        << with({{"21.3", "1"}, {"21.6", "0"}, {"16.1", "1"}, {"21.4", "7779"}, {"21.9", "0"}}, officeOctets)
        << saved.arg("Ethernet") << "TfmCheckEthernet";
    QTest::newRow("RNDIS: always static, RNDIS on")
        << 2 << false << office << " 7781 "
        << with({{"21.3", "1"}, {"21.6", "0"}, {"16.1", "1"}, {"21.4", "7781"}, {"21.9", "1"}}, officeOctets)
        << saved.arg("RNDIS") << "TfmCheckRNDIS";
    QTest::newRow("WiFi, DHCP")
        << 1 << true << QStringList{"", "", "", ""} << "7779"
        << TFieldValues{{"21.3", "1"}, {"21.6", "1"}, {"21.7", "Склад"}, {"21.8", "секрет"},
                        {"22.1", "0"}, {"21.9", "0"}, {"21.4", "7779"}}
        << saved.arg("WiFi") << "TfmOFDExchangeState";
    QTest::newRow("WiFi, static: addresses as texts")
        << 1 << false << office << "7779"
        << TFieldValues{{"21.3", "1"},          {"21.6", "1"},          {"21.7", "Склад"},
                        {"21.8", "секрет"},     {"22.1", "1"},          {"22.2", "192.168.0.10"},
                        {"22.3", "255.255.255.0"}, {"22.4", "192.168.0.1"}, {"22.5", "8.8.8.8"},
                        {"21.9", "0"},          {"21.4", "7779"}}
        << saved.arg("WiFi") << "TfmOFDExchangeState";
}

void TestNetPages::pagesWriteExactlyTheirFields()
{
    QFETCH(int, netType);
    QFETCH(bool, dhcp);
    QFETCH(QStringList, addresses);
    QFETCH(QString, port);
    QFETCH(TFieldValues, expected);
    QFETCH(QString, message);
    QFETCH(QString, next);

    auto w = makeWindow();
    TNetParamsPage *page = openNetPage(*w, netType);
    QVERIFY(page);
    fill(page, dhcp, addresses, port);
    if (auto *wifi = qobject_cast<TfmWiFiParams *>(page)) {
        wifi->edtWiFiSSID->setText(QStringLiteral("Склад"));
        wifi->edtWiFiPass->setText(QStringLiteral("секрет"));
    }
    Controller().IP.clear();
    Controller().TCPPort = 0;
    Controller().NextPageClass = nullptr;

    // The page's own step, as the shell runs it, without moving on to a check.
    QVERIFY(WizardGuarded(page, [page] { page->Next(); }));

    QCOMPARE(written(), expected);
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages[0].kind, TWizardMessageKind::Information);
    QCOMPARE(m_messages[0].text, message);
    QVERIFY(Controller().NextPageClass);
    QCOMPARE(QString::fromLatin1(Controller().NextPageClass->className()), next);
    // The LAN check of a static address connects where the page said.
    const bool static16 = netType != 1 && !dhcp;
    QCOMPARE(Controller().IP, static16 ? addresses[0] : QString());
    QCOMPARE(Controller().TCPPort, static16 ? port.trimmed().toInt() : 0);
    if (netType == 0)
        QCOMPARE(Controller().DHCP, dhcp);
    QVERIFY(!WizardDriver().Connected); // the port is free for the next step
}

void TestNetPages::badInputWritesNothing_data()
{
    QTest::addColumn<int>("netType");
    QTest::addColumn<bool>("dhcp");
    QTest::addColumn<QStringList>("addresses"); // IP, mask, gateway, DNS
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("ssid");
    QTest::addColumn<QString>("fragment"); // of the error message

    const QStringList good{"192.168.0.10", "255.255.255.0", "192.168.0.1", "8.8.8.8"};
    QTest::newRow("octet above 255") << 0 << false << QStringList{"192.168.0.256", good[1], good[2], good[3]}
                                     << "7779" << "" << "Неверный адрес в поле \"IP адрес\": \"192.168.0.256\"";
    QTest::newRow("three octets") << 2 << false << QStringList{good[0], good[1], "192.168.0", good[3]} << "7779"
                                  << "" << "Неверный адрес в поле \"Шлюз\"";
    QTest::newRow("empty octet") << 2 << false << QStringList{good[0], "255..255.0", good[2], good[3]} << "7779"
                                 << "" << "Неверный адрес в поле \"Маска\"";
    QTest::newRow("WiFi DNS is written, so checked") << 1 << false << QStringList{good[0], good[1], good[2], "8.8.8"}
                                                     << "7779" << "Склад" << "Неверный адрес в поле \"DNS\"";
    QTest::newRow("port not a number") << 0 << true << good << "77a9" << "" << "Неверный номер порта: \"77a9\"";
    QTest::newRow("port out of range") << 2 << false << good << "65536" << "" << "Неверный номер порта: \"65536\"";
    QTest::newRow("port zero") << 1 << true << good << "0" << "Склад" << "Неверный номер порта: \"0\"";
    // The register refuses a network name longer than its field: known
    // before the interface fields ahead of it are written.
    QTest::newRow("WiFi name too long") << 1 << true << good << "7779" << QString(33, u'N')
                                        << "Не удалось записать \"Точка доступа WiFI\" (таблица 21, поле 7)";
}

void TestNetPages::badInputWritesNothing()
{
    QFETCH(int, netType);
    QFETCH(bool, dhcp);
    QFETCH(QStringList, addresses);
    QFETCH(QString, port);
    QFETCH(QString, ssid);
    QFETCH(QString, fragment);

    auto w = makeWindow();
    TNetParamsPage *page = openNetPage(*w, netType);
    QVERIFY(page);
    fill(page, dhcp, addresses, port);
    if (auto *wifi = qobject_cast<TfmWiFiParams *>(page))
        wifi->edtWiFiSSID->setText(ssid);

    press(*w, "btnNext");
    QCOMPARE(current(), QLatin1String(netPageClass[netType])); // the page stays
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages[0].kind, TWizardMessageKind::Error);
    QVERIFY2(m_messages[0].text.contains(fragment), qPrintable(m_messages[0].text));
    QCOMPARE(written(), TFieldValues());
}

void TestNetPages::failedWriteNamesTheSetting()
{
    auto w = makeWindow();
    TNetParamsPage *page = openNetPage(*w, 0);
    QVERIFY(page);
    QVERIFY(m_register->injectFault(QStringLiteral("WriteTable"), 33, 1));
    press(*w, "btnNext");
    QCOMPARE(current(), QStringLiteral("TfmEthernetParams"));
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].text.startsWith(
                 QStringLiteral("Не удалось записать \"Сетевой интерфейс\" (таблица 21, поле 3):\r\nОшибка 33, ")),
             qPrintable(m_messages[0].text));
}

void TestNetPages::wifiGoesOnToTheOFDExchangeState()
{
    auto w = makeWindow();
    QVERIFY(openNetPage(*w, 1));
    press(*w, "btnNext");
    QCOMPARE(current(), QStringLiteral("TfmOFDExchangeState"));
    QCOMPARE(m_messages.size(), 1);
    QVERIFY(m_messages[0].text.startsWith(QStringLiteral("Настройки WiFi успешно записаны.")));
    press(*w, "btnPrev"); // and back to the settings just written
    QCOMPARE(current(), QStringLiteral("TfmWiFiParams"));
}

QTEST_MAIN(TestNetPages)
#include "tst_netpages.moc"
