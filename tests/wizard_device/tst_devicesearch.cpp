// Finding the register: the search on one serial port (every baud rate in
// turn, stop), the search page over all ports (which ports are probed, the
// result rows, the chosen register carried on), and the registers' UDP
// announcements.
#include "KassioTestEnv.h"

#include "emulator/DeviceCatalog.h"
#include "emulator/EmulatedRegister.h"
#include "wizard/device/ConnectDevice.h"
#include "wizard/device/KassioBaudrate.h"
#include "wizard/device/KassioSearchDevice.h"
#include "wizard/device/SearchDevice.h"
#include "wizard/device/SelectPortType.h"
#include "wizard/device/TCPDeviceSearch.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/MainForm.h"
#include "wizard/shell/SelectWorkType.h"
#include "wizard/shell/WizardMessages.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUdpSocket>
#include <QtTest>

namespace {

TSerialPortRec port(int comNumber, const QString &hardwareId)
{
    TSerialPortRec rec;
    rec.ComNumber = comNumber;
    rec.Name = QStringLiteral("COM%1").arg(comNumber);
    rec.FriendlyName = QStringLiteral("Порт (COM%1)").arg(comNumber);
    rec.HWStr = hardwareId;
    return rec;
}

// A COM number nothing is mapped to: every attempt fails at once.
constexpr int UnmappedCom = 177;

} // namespace

class TestDeviceSearch : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void baudrateCodes_data();
    void baudrateCodes();
    void searchFindsTheBuiltInEmulator();
    void registerComplaintsStillFindIt_data();
    void registerComplaintsStillFindIt();
    void searchOfAnEmptyPortEndsNotFound();
    void stopRightAfterStartCancels();
    void searchCanRunAgain();

    void pageWithNoPortsFinishesAtOnce();
    void pageSkipsPorts_data();
    void pageSkipsPorts();
    void pageCarriesTheChosenRegisterOn();
    void pageStopEndsWithoutARow();
    void backWhileSearchingLeavesNextEnabled();

    void announcementParsing_data();
    void announcementParsing();
    void announcementsListedOncePerRegister();

private:
    std::unique_ptr<TfmMain> makeWindow(std::vector<TSerialPortRec> ports);
    void goToSearchPage(TfmMain &w);
    static TSearchState waitFinished(const ISearchDevice &search);
    QString expectedLine(int com, int baudrate);

    std::unique_ptr<KassioTestEnv> m_env;
    std::shared_ptr<emu::EmulatedRegister> m_register;
    QTemporaryDir m_folder;
    QStringList m_messages;
};

void TestDeviceSearch::initTestCase()
{
    m_env = std::make_unique<KassioTestEnv>();
    m_register = emu::EmulatedRegister::shared(emu::EmulatedRegister::defaultStateFile());
    SetWizardMessageResponder([this](const TWizardMessage &m) {
        m_messages << m.text;
        return QMessageBox::Ok;
    });
}

void TestDeviceSearch::init()
{
    QVERIFY(m_register->factoryReset(emu::defaultModelId()));
    m_messages.clear();
    Controller().KKTName.clear();
    Controller().KKTSN.clear();
}

void TestDeviceSearch::cleanup()
{
    FreeWizardDriver();
}

TSearchState TestDeviceSearch::waitFinished(const ISearchDevice &search)
{
    QElapsedTimer t;
    t.start();
    while (!search.GetState().Finished && t.elapsed() < 20000)
        QThread::msleep(5);
    return search.GetState();
}

QString TestDeviceSearch::expectedLine(int com, int baudrate)
{
    return QStringLiteral("%1, COM%2, %3, ЗН: %4")
        .arg(emu::findModel(emu::defaultModelId())->description)
        .arg(com)
        .arg(baudrate)
        .arg(m_register->snapshot().serialNumber);
}

void TestDeviceSearch::baudrateCodes_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("back"); // CodeToBaudrate(code)
    QTest::newRow("2400") << 2400 << 0 << 2400;
    QTest::newRow("9600") << 9600 << 2 << 9600;
    QTest::newRow("115200") << 115200 << 6 << 115200;
    QTest::newRow("921600") << 921600 << 9 << 921600;
    QTest::newRow("unknown rate") << 14400 << 6 << 115200;
    QTest::newRow("zero") << 0 << 6 << 115200;
}

void TestDeviceSearch::baudrateCodes()
{
    QFETCH(int, rate);
    QFETCH(int, code);
    QFETCH(int, back);
    QCOMPARE(TKassioBaudrate::BaudrateToCode(rate), code);
    QCOMPARE(TKassioBaudrate::CodeToBaudrate(code), back);
    QCOMPARE(TKassioBaudrate::CodeToBaudrate(10), 115200);
    QCOMPARE(TKassioBaudrate::CodeToBaudrate(-1), 115200);
}

void TestDeviceSearch::searchFindsTheBuiltInEmulator()
{
    TKassioSearchDevice search;
    QCOMPARE(search.GetBaudrates(),
             (std::vector<int>{115200, 4800, 230400, 460800, 921600, 57600, 19200, 9600, 38400, 2400}));
    search.SetParams({1, 0, 300});
    search.Search();
    const TSearchState state = waitFinished(search);
    QVERIFY(state.Finished);
    QVERIFY(state.Succeded);
    QVERIFY(!state.Added);
    // The built-in emulator answers at the first rate tried.
    QCOMPARE(state.Text, expectedLine(1, 115200));
    QCOMPARE(state.DeviceID, emu::defaultModelId());
    QCOMPARE(search.GetParams().Baudrate, 115200);
    QCOMPARE(search.GetName(), emu::findModel(emu::defaultModelId())->description);
    QCOMPARE(search.GetSerial(), m_register->snapshot().serialNumber);
    search.Added();
    QVERIFY(search.GetState().Added);
}

void TestDeviceSearch::registerComplaintsStillFindIt_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<bool>("serialKnown");
    QTest::newRow("device metrics with a positive code") << "GetDeviceMetrics" << true;
    QTest::newRow("factory number unreadable") << "ReadSerialNumber" << false;
}

void TestDeviceSearch::registerComplaintsStillFindIt()
{
    QFETCH(QString, method);
    QFETCH(bool, serialKnown);
    QVERIFY(m_register->injectFault(method, 33, 1));
    TKassioSearchDevice search;
    search.SetParams({1, 0, 300});
    search.Search();
    const TSearchState state = waitFinished(search);
    QVERIFY(state.Succeded);
    const QString description = emu::errorDescription(33);
    // A complaint about the metrics follows the line; an unreadable number
    // gives its reason where the number would be. (The emulator's injected
    // fault sends no outputs, so the name stays empty here.)
    const QString serial = serialKnown ? m_register->snapshot().serialNumber : description;
    const QString tail = QStringLiteral(", COM1, 115200, ЗН: ") + serial
        + (serialKnown ? QStringLiteral(": 33, ") + description : QString());
    QVERIFY2(state.Text.endsWith(tail), qPrintable(state.Text));
    QCOMPARE(search.GetSerial(), serial);
}

void TestDeviceSearch::searchOfAnEmptyPortEndsNotFound()
{
    TKassioSearchDevice search;
    search.SetParams({UnmappedCom, 0, 300});
    search.Search();
    const TSearchState state = waitFinished(search);
    QVERIFY(state.Finished);
    QVERIFY(!state.Succeded);
    QCOMPARE(state.Text, QStringLiteral("Не найдено"));
    QCOMPARE(search.GetParams().Baudrate, 0);
}

void TestDeviceSearch::stopRightAfterStartCancels()
{
    // The register on COM1 would be found at once: only a stop that reaches
    // the worker, even before it runs, prevents it.
    for (int i = 0; i < 5; ++i) {
        TKassioSearchDevice search;
        search.SetParams({1, 0, 300});
        search.Search();
        search.Stop();
        const TSearchState state = waitFinished(search);
        QVERIFY(state.Finished);
        QVERIFY(!state.Succeded);
        QCOMPARE(state.Text, QStringLiteral("Поиск отменен"));
    }
}

void TestDeviceSearch::searchCanRunAgain()
{
    TKassioSearchDevice search;
    search.SetParams({1, 0, 300});
    search.Search();
    search.Stop();
    QCOMPARE(waitFinished(search).Text, QStringLiteral("Поиск отменен"));
    search.Added();
    // A new start forgets the stop and the old result.
    search.Search();
    const TSearchState state = waitFinished(search);
    QVERIFY(state.Succeded);
    QVERIFY(!state.Added);
    QCOMPARE(state.Text, expectedLine(1, 115200));
}

std::unique_ptr<TfmMain> TestDeviceSearch::makeWindow(std::vector<TSerialPortRec> ports)
{
    const TfmSearchDevice::TPortLister lister = [ports] {
        TSerialPorts list;
        for (const TSerialPortRec &rec : ports)
            list.Add(rec);
        return list;
    };
    auto w = std::make_unique<TfmMain>(m_folder.path(),
                                       std::vector<TfmMain::TPageFactory>{
                                           [] { return new TfmConnectDevice; },
                                           [] { return new TfmSelectPortType; },
                                           [lister] { return new TfmSearchDevice(lister); },
                                           [] { return new TfmSelectWorkType; },
                                       });
    w->show();
    return w;
}

void TestDeviceSearch::goToSearchPage(TfmMain &w)
{
    w.findChild<QPushButton *>(QStringLiteral("btnNext"))->click();
    w.findChild<QPushButton *>(QStringLiteral("btnNext"))->click(); // "COM-порт" is chosen on show
    QCOMPARE(QString::fromLatin1(Controller().CurrentPage->metaObject()->className()), QStringLiteral("TfmSearchDevice"));
}

void TestDeviceSearch::pageWithNoPortsFinishesAtOnce()
{
    auto w = makeWindow({});
    goToSearchPage(*w);
    auto *page = Controller().CurrentPage;
    auto *status = page->findChild<QLabel *>(QStringLiteral("lblStatus"));
    QTRY_COMPARE_WITH_TIMEOUT(status->text(), QStringLiteral("Поиск завершен"), 1000);
    QVERIFY(page->findChild<QPushButton *>(QStringLiteral("btnStart"))->isEnabled());
    QVERIFY(!page->findChild<QPushButton *>(QStringLiteral("btnStop"))->isEnabled());
    QCOMPARE(page->findChild<QTreeWidget *>(QStringLiteral("lvDevices"))->topLevelItemCount(), 0);
    QVERIFY(!w->findChild<QPushButton *>(QStringLiteral("btnNext"))->isEnabled());
}

void TestDeviceSearch::pageSkipsPorts_data()
{
    // COM1 is the built-in emulator: a probe of it would list it.
    QTest::addColumn<QString>("hardwareId");
    QTest::addColumn<int>("comNumber");
    QTest::addColumn<bool>("probed");
    QTest::newRow("other USB device") << "USB\\VID_1A86&PID_7523\\5&1" << 1 << true;
    QTest::newRow("no hardware tags") << "KASSIO\\EMULATOR" << 1 << true;
    QTest::newRow("vendor 0E8D") << "USB\\VID_0E8D&PID_0003\\6&2" << 1 << false;
    QTest::newRow("vendor 0e8d, lower case") << "usb\\vid_0e8d&pid_7523" << 1 << false;
    QTest::newRow("product 2012, any vendor") << "USB\\VID_1A86&PID_2012" << 1 << false;
    QTest::newRow("no COM number") << "USB\\VID_1A86&PID_7523" << -1 << false;
}

void TestDeviceSearch::pageSkipsPorts()
{
    QFETCH(QString, hardwareId);
    QFETCH(int, comNumber);
    QFETCH(bool, probed);
    auto w = makeWindow({port(comNumber, hardwareId)});
    goToSearchPage(*w);
    auto *page = Controller().CurrentPage;
    QTRY_COMPARE_WITH_TIMEOUT(page->findChild<QLabel *>(QStringLiteral("lblStatus"))->text(),
                              QStringLiteral("Поиск завершен"), 10000);
    auto *list = page->findChild<QTreeWidget *>(QStringLiteral("lvDevices"));
    QCOMPARE(list->topLevelItemCount(), probed ? 1 : 0);
    if (probed) {
        QCOMPARE(list->topLevelItem(0)->text(0), expectedLine(1, 115200));
        QCOMPARE(list->headerItem()->text(0), QStringLiteral("Device"));
    }
    QCOMPARE(w->findChild<QPushButton *>(QStringLiteral("btnNext"))->isEnabled(), probed);
}

void TestDeviceSearch::pageCarriesTheChosenRegisterOn()
{
    // Two ports, one with a register: the empty one ends "Не найдено" unlisted.
    auto w = makeWindow({port(UnmappedCom, QStringLiteral("SERIAL\\ttyS3")), port(1, QStringLiteral("KASSIO\\EMULATOR"))});
    WizardDriver().ComNumber = UnmappedCom; // whatever the driver held before
    goToSearchPage(*w);
    auto *page = Controller().CurrentPage;
    auto *list = page->findChild<QTreeWidget *>(QStringLiteral("lvDevices"));
    QTRY_COMPARE_WITH_TIMEOUT(page->findChild<QLabel *>(QStringLiteral("lblStatus"))->text(),
                              QStringLiteral("Поиск завершен"), 10000);
    QCOMPARE(list->topLevelItemCount(), 1);
    QVERIFY(list->topLevelItem(0)->isSelected());
    auto *next = w->findChild<QPushButton *>(QStringLiteral("btnNext"));
    QVERIFY(next->isEnabled());
    next->click();
    QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join(u'\n')));
    QCOMPARE(QString::fromLatin1(Controller().CurrentPage->metaObject()->className()), QStringLiteral("TfmSelectWorkType"));
    const QString name = emu::findModel(emu::defaultModelId())->description;
    const QString serial = m_register->snapshot().serialNumber;
    QCOMPARE(Controller().KKTName, name);
    QCOMPARE(Controller().KKTSN, serial);
    QCOMPARE(Controller().CurrentPage->findChild<QLabel *>(QStringLiteral("lblDevice"))->text(),
             name + QStringLiteral(", зав. номер ") + serial);
    // The shared driver now reaches the register found, at its rate.
    TKassio &d = WizardDriver();
    QCOMPARE(d.ConnectionType, 0);
    QCOMPARE(d.ComNumber, 1);
    QCOMPARE(d.BaudRate, TKassioBaudrate::BaudrateToCode(115200));
    QCOMPARE(d.Timeout, 1000);
    QVERIFY(!d.Connected);
}

void TestDeviceSearch::pageStopEndsWithoutARow()
{
    auto w = makeWindow({port(1, QStringLiteral("KASSIO\\EMULATOR"))});
    goToSearchPage(*w);
    auto *page = static_cast<TfmSearchDevice *>(Controller().CurrentPage);
    auto *status = page->findChild<QLabel *>(QStringLiteral("lblStatus"));
    auto *list = page->findChild<QTreeWidget *>(QStringLiteral("lvDevices"));
    QTRY_COMPARE_WITH_TIMEOUT(list->topLevelItemCount(), 1, 10000);
    // A new search stopped as soon as it starts lists nothing.
    page->Start();
    page->findChild<QPushButton *>(QStringLiteral("btnStop"))->click();
    QCOMPARE(list->topLevelItemCount(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(status->text(), QStringLiteral("Поиск завершен"), 10000);
    QTest::qWait(150); // one more refresh
    QCOMPARE(list->topLevelItemCount(), 0);
    QVERIFY(!w->findChild<QPushButton *>(QStringLiteral("btnNext"))->isEnabled());
    // "Повторить поиск" starts over and finds it.
    page->findChild<QPushButton *>(QStringLiteral("btnStart"))->click();
    QTRY_COMPARE_WITH_TIMEOUT(list->topLevelItemCount(), 1, 10000);
}

void TestDeviceSearch::backWhileSearchingLeavesNextEnabled()
{
    auto w = makeWindow({port(UnmappedCom, QStringLiteral("SERIAL\\ttyS3"))});
    goToSearchPage(*w);
    w->findChild<QPushButton *>(QStringLiteral("btnPrev"))->click();
    QCOMPARE(QString::fromLatin1(Controller().CurrentPage->metaObject()->className()), QStringLiteral("TfmSelectPortType"));
    QVERIFY(w->findChild<QPushButton *>(QStringLiteral("btnNext"))->isEnabled());
}

void TestDeviceSearch::announcementParsing_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<bool>("used");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("ip");
    QTest::addColumn<int>("port");
    QTest::newRow("compact") << QByteArray("SN:0001;IP:192.168.1.5;port:7778") << true << "0001" << "192.168.1.5" << 7778;
    QTest::newRow("with blanks") << QByteArray("SN:0001; IP:192.168.1.5; port:7778") << true << "0001" << "192.168.1.5"
                                 << 7778;
    QTest::newRow("other separator") << QByteArray("SN=00106304050607;IP=10.0.0.17;_port=7779") << true
                                     << "00106304050607" << "10.0.0.17" << 7779;
    QTest::newRow("port with trailing newline") << QByteArray("SN:42;IP:127.0.0.1; port:1234\r\n") << true << "42"
                                                << "127.0.0.1" << 1234;
    QTest::newRow("port not a number") << QByteArray("SN:0001;IP:192.168.1.5;port:77a8") << false << "" << "" << 0;
    QTest::newRow("port empty") << QByteArray("SN:0001;IP:192.168.1.5;port:") << false << "" << "" << 0;
    QTest::newRow("port out of range") << QByteArray("SN:0001;IP:192.168.1.5;port:70000") << false << "" << "" << 0;
    QTest::newRow("negative port") << QByteArray("SN:0001;IP:192.168.1.5;port:-5") << false << "" << "" << 0;
    QTest::newRow("no SN") << QByteArray("ID:0001;IP:192.168.1.5;port:7778") << false << "" << "" << 0;
    QTest::newRow("no IP") << QByteArray("SN:0001;port:7778") << false << "" << "" << 0;
    QTest::newRow("no port") << QByteArray("SN:0001;IP:192.168.1.5") << false << "" << "" << 0;
    QTest::newRow("tags only, nothing after") << QByteArray("SNIPport") << false << "" << "" << 0;
    QTest::newRow("empty") << QByteArray() << false << "" << "" << 0;
}

void TestDeviceSearch::announcementParsing()
{
    QFETCH(QByteArray, datagram);
    QFETCH(bool, used);
    const auto a = ParseAnnouncement(datagram);
    QCOMPARE(a.has_value(), used);
    if (!used)
        return;
    QTEST(a->Serial, "serial");
    QTEST(a->IP, "ip");
    QTEST(a->Port, "port");
}

void TestDeviceSearch::announcementsListedOncePerRegister()
{
    TTCPDeviceSearch search(0); // any free port: other listeners on this machine stay apart
    QStringList found;
    search.SetOnFound([&](const TTCPSearchItem &item) { found << item.Serial() + u'|' + item.IP() + u'|' + QString::number(item.Port()); });
    QVERIFY(search.Start());
    QVERIFY(search.LocalPort() != 0);
    QUdpSocket sender;
    const auto send = [&](const char *text) {
        QCOMPARE(sender.writeDatagram(QByteArray(text), QHostAddress::LocalHost, search.LocalPort()),
                 qint64(qstrlen(text)));
    };
    for (int i = 0; i < 3; ++i) {
        send("SN:0001;IP:192.168.1.5;port:7778");
        send("SN:0002; IP:192.168.1.6; port:7779");
        send("SN:0003;IP:192.168.1.7;port:x"); // ignored
    }
    // The same register again, from another address: still the first entry.
    send("SN:0001;IP:10.0.0.1;port:1");
    QTRY_COMPARE_WITH_TIMEOUT(search.Items().Count(), 2, 3000);
    QTest::qWait(200); // let the remaining datagrams arrive
    QCOMPARE(found, (QStringList{"0001|192.168.1.5|7778", "0002|192.168.1.6|7779"}));
    QCOMPARE(search.Items().Count(), 2);
    QVERIFY(search.Items().FindBySerial(QStringLiteral("0001")));
    QVERIFY(!search.Items().FindBySerial(QStringLiteral("0003")));

    // Stop forgets them: after a new start the register is reported again.
    search.Stop();
    QCOMPARE(search.Items().Count(), 0);
    QVERIFY(search.Start());
    send("SN:0001;IP:192.168.1.5;port:7778");
    QTRY_COMPARE_WITH_TIMEOUT(found.size(), 3, 3000);
}

QTEST_MAIN(TestDeviceSearch)
#include "tst_devicesearch.moc"
