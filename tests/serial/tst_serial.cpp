// The component on a serial line: kassio-emulator behind a pseudo-terminal,
// answering at one baud rate only; the port list; the UDP announcement.
#include "EmulatorProcess.h"
#include "KassioTestEnv.h"

#include "driver/ComportUtils.h"
#include "driver/FrameCodec.h"
#include "driver/Kassio.h"
#include "driver/PortMap.h"
#include "driver/ResultCodes.h"
#include "emulator/DeviceCatalog.h"

#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <QUdpSocket>
#include <QtTest>

#include <atomic>
#include <memory>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

// A line whose far end counts the requests it gets and answers each with
// noise, or not at all.
class FakeLine
{
public:
    explicit FakeLine(bool noise) : m_noise(noise)
    {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
        char name[128] = {};
        if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0
            || ::ptsname_r(m_master, name, sizeof name) != 0)
            return;
        m_slavePath = QString::fromLocal8Bit(name);
        m_keepOpen = ::open(name, O_RDWR | O_NOCTTY); // no hang-ups on the master between clients
        m_thread = std::thread([this] { run(); });
    }
    ~FakeLine()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        if (m_keepOpen >= 0)
            ::close(m_keepOpen);
        if (m_master >= 0)
            ::close(m_master);
    }
    QString slavePath() const { return m_slavePath; }
    int requests() const { return m_requests; }

private:
    void run()
    {
        QByteArray received;
        while (!m_stop) {
            pollfd p{m_master, POLLIN, 0};
            if (::poll(&p, 1, 20) <= 0 || !(p.revents & POLLIN))
                continue;
            char chunk[512];
            const ssize_t n = ::read(m_master, chunk, sizeof chunk);
            if (n <= 0)
                continue;
            received.append(chunk, n);
            for (;;) {
                const kassio::FrameScan scan = kassio::scanFrame(received);
                if (scan.status != kassio::FrameStatus::Complete)
                    break;
                received.remove(0, scan.frameSize);
                ++m_requests;
                if (m_noise && ::write(m_master, "\xFF\xFE\x00\x13", 4) != 4)
                    return;
            }
        }
    }

    bool m_noise;
    int m_master = -1;
    int m_keepOpen = -1;
    QString m_slavePath;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_requests{0};
    std::thread m_thread;
};

using Emulator = EmulatorProcess;

// The component's BaudRate code of a rate.
int codeOf(int baud)
{
    const QList<int> rates{2400, 4800, 9600, 19200, 38400, 57600, 115200, 230400, 460800, 921600};
    return static_cast<int>(rates.indexOf(baud));
}

void useSerial(TKassio &k, int com, int baud, int timeoutMs)
{
    k.ConnectionType = 0;
    k.ComNumber = com;
    k.BaudRate = codeOf(baud);
    k.Timeout = timeoutMs;
}

} // namespace

class TestSerial : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void answersOnlyAtItsBaud_data();
    void answersOnlyAtItsBaud();
    void defaultRateComesFromThePortTable();
    void searchFindsTheRateWithinSearchTimeouts();
    void lineRateChangesOnlyOnOpen();
    void probesRunInParallelThreads();
    void openFailures_data();
    void openFailures();
    void lockedPortIsBusy();
    void unansweredRequests_data();
    void unansweredRequests();
    void ptyLinkLifecycle();

    void enumerationListsThePseudoTerminal();
    void friendlyNameComNumber_data();
    void friendlyNameComNumber();
    void searchSkipsByVidPid_data();
    void searchSkipsByVidPid();

    void announcesEverySecond();

private:
    // A fresh emulator behind a pseudo-terminal; the link has a name no other
    // run uses, since the serial port's lock file is named after it.
    bool startPty(Emulator &emulator, const QStringList &extra = {});

    std::unique_ptr<KassioTestEnv> m_env;
    int m_runs = 0;
};

void TestSerial::initTestCase() { m_env = std::make_unique<KassioTestEnv>(); }

bool TestSerial::startPty(Emulator &emulator, const QStringList &extra)
{
    ++m_runs;
    return emulator.start(m_env->path(QStringLiteral("state%1.db").arg(m_runs)),
                          QStringList{"--pty", m_env->path(QStringLiteral("tty%1").arg(m_runs))} + extra);
}

void TestSerial::answersOnlyAtItsBaud_data()
{
    QTest::addColumn<int>("registerBaud");
    QTest::addColumn<int>("wrongBaud");
    QTest::newRow("115200 asked at 4800") << 115200 << 4800;
    QTest::newRow("9600 asked at 115200") << 9600 << 115200;
    QTest::newRow("921600 asked at 2400") << 921600 << 2400;
}

void TestSerial::answersOnlyAtItsBaud()
{
    QFETCH(int, registerBaud);
    QFETCH(int, wrongBaud);
    Emulator emulator;
    QVERIFY2(startPty(emulator, {"--baud", QString::number(registerBaud)}), qPrintable(emulator.errors()));

    TKassio k;
    useSerial(k, emulator.com(), wrongBaud, 300);
    k.SearchTimeout = 0;
    QElapsedTimer t;
    t.start();
    QCOMPARE(k.GetECRStatus(), kassio::rc::NoLink);
    QVERIFY2(t.elapsed() < 1300, qPrintable(QString::number(t.elapsed())));
    QVERIFY(k.ResultCodeDescription.startsWith(QStringLiteral("Нет связи")));

    // The same register answers once the line is set to its rate, the
    // dropped request leaving nothing behind.
    k.Disconnect();
    useSerial(k, emulator.com(), registerBaud, 5000);
    QCOMPARE(k.GetECRStatus(), 0);
    QCOMPARE(k.ReadSerialNumber(), 0);
    QVERIFY(!k.SerialNumber.trimmed().isEmpty());
    QVERIFY(!k.ECROutput.isEmpty());
    k.Disconnect();
}

// Without --baud the register listens at the rate its port table holds.
void TestSerial::defaultRateComesFromThePortTable()
{
    const emu::ModelDef *model = emu::findModel(emu::defaultModelId());
    QVERIFY(model);
    int portTable = 0;
    for (const emu::TableDef &table : model->tables)
        if (table.name == QStringLiteral("Параметры портов"))
            portTable = table.number;
    QVERIFY(portTable > 0);

    const QString state = m_env->path(QStringLiteral("table-rate.db"));
    {
        Emulator tcp;
        QVERIFY2(tcp.start(state, {}), qPrintable(tcp.errors()));
        TKassio k;
        k.ConnectionType = 6;
        k.IPAddress = QStringLiteral("127.0.0.1");
        k.TCPPort = tcp.port();
        k.TableNumber = portTable;
        k.RowNumber = 1;
        k.FieldNumber = 1;
        k.ValueOfFieldInteger = codeOf(19200);
        QCOMPARE(k.WriteTable(), 0);
    }
    Emulator emulator;
    ++m_runs;
    QVERIFY2(emulator.start(state, {"--pty", m_env->path(QStringLiteral("tty%1").arg(m_runs))}),
             qPrintable(emulator.errors()));
    TKassio k;
    useSerial(k, emulator.com(), 115200, 300);
    k.SearchTimeout = 0;
    QCOMPARE(k.GetECRStatus(), kassio::rc::NoLink);
    k.Disconnect();
    useSerial(k, emulator.com(), 19200, 5000);
    QCOMPARE(k.GetECRStatus(), 0);
}

void TestSerial::searchFindsTheRateWithinSearchTimeouts()
{
    Emulator emulator;
    QVERIFY2(startPty(emulator, {"--baud", "9600"}), qPrintable(emulator.errors()));

    // The device search's way: rates in its order, each with a lock, the
    // metrics and an unlock; a silent rate costs SearchTimeout, not Timeout.
    const QList<int> order{115200, 4800, 230400, 460800, 921600, 57600, 19200, 9600, 38400, 2400};
    TKassio k;
    int found = 0;
    for (int i = 0; i < order.size() && !found; ++i) {
        k.Disconnect();
        useSerial(k, emulator.com(), order[i], 3000);
        k.SearchTimeout = 200;
        k.MaxCommandSendCount = 1;
        k.MaxAnswerReadCount = 1;
        QCOMPARE(k.LockPort(), 0);
        QElapsedTimer t;
        t.start();
        const int code = k.GetDeviceMetrics();
        QCOMPARE(k.UnlockPort(), 0);
        if (code == 0) {
            found = i + 1;
            QVERIFY(!k.UDescription.trimmed().isEmpty());
        } else {
            QCOMPARE(code, kassio::rc::NoLink);
            QVERIFY2(t.elapsed() < 1500, qPrintable(QString::number(t.elapsed())));
        }
    }
    QCOMPARE(found, 8);
}

// BaudRate also names the rate of any register interface for the exchange
// parameters; setting another interface's rate keeps our line where it is,
// while Connect takes up the rate the caller set.
void TestSerial::lineRateChangesOnlyOnOpen()
{
    Emulator emulator;
    QVERIFY2(startPty(emulator), qPrintable(emulator.errors()));
    TKassio k;
    useSerial(k, emulator.com(), 115200, 5000);
    QCOMPARE(k.GetECRStatus(), 0);

    k.PortNumber = 2;
    k.BaudRate = codeOf(9600);
    k.TCPPort = 7790;
    QCOMPARE(k.SetExchangeParam(), 0);
    k.BaudRate = codeOf(115200);
    QCOMPARE(k.GetExchangeParam(), 0);
    QCOMPARE(k.BaudRate, codeOf(9600));
    QCOMPARE(k.GetECRStatus(), 0);

    k.Timeout = 300;
    QCOMPARE(k.Connect(), kassio::rc::NoLink);
    k.BaudRate = codeOf(115200);
    k.Timeout = 5000;
    QCOMPARE(k.Connect(), 0);
    QVERIFY(k.Connected);
}

// The device search probes every port at once, one thread and one instance
// per port, threads with no event loop running.
void TestSerial::probesRunInParallelThreads()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    Emulator first;
    Emulator second;
    QVERIFY2(startPty(first, {"--baud", "4800"}), qPrintable(first.errors()));
    QVERIFY2(startPty(second, {"--baud", "57600"}), qPrintable(second.errors()));

    struct Probe {
        Probe(int com, int baud) : com(com), baud(baud) {}
        int com;
        int baud;
        int wrongCode = 0;
        int rightCode = -100;
        QString serial;
    };
    Probe probes[] = {{first.com(), 4800}, {second.com(), 57600}};
    std::vector<std::unique_ptr<QThread>> threads;
    for (Probe &probe : probes) {
        threads.emplace_back(QThread::create([&probe] {
            TKassio k;
            useSerial(k, probe.com, 115200, 3000);
            k.SearchTimeout = 300;
            k.LockPort();
            probe.wrongCode = k.GetDeviceMetrics();
            k.UnlockPort();
            useSerial(k, probe.com, probe.baud, 5000);
            k.LockPort();
            probe.rightCode = k.GetDeviceMetrics();
            k.ReadSerialNumber();
            probe.serial = k.SerialNumber;
            k.UnlockPort();
        }));
        threads.back()->start();
    }
    for (auto &thread : threads)
        QVERIFY(thread->wait(20000));
    for (const Probe &probe : probes) {
        QCOMPARE(probe.wrongCode, kassio::rc::NoLink);
        QCOMPARE(probe.rightCode, 0);
        QVERIFY(!probe.serial.trimmed().isEmpty());
    }
}

void TestSerial::openFailures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("baudCode");
    QTest::addColumn<int>("protocol");
    QTest::addColumn<int>("expected");
    const QString missing = QStringLiteral("/nonexistent/ttyGone");
    QTest::newRow("missing device") << missing << 6 << 0 << kassio::rc::PortUnavailable;
    QTest::newRow("unknown baud code") << QStringLiteral("/dev/null") << 10 << 0 << kassio::rc::BadParameter;
    QTest::newRow("negative baud code") << QStringLiteral("/dev/null") << -1 << 0 << kassio::rc::BadParameter;
    QTest::newRow("other protocol") << QStringLiteral("/dev/null") << 6 << 1 << kassio::rc::BadParameter;
}

void TestSerial::openFailures()
{
    QFETCH(QString, path);
    QFETCH(int, baudCode);
    QFETCH(int, protocol);
    QFETCH(int, expected);
    kassio::PortMap::setUserEntry(250, path);
    TKassio k;
    k.ConnectionType = 0;
    k.ComNumber = 250;
    k.BaudRate = baudCode;
    k.ProtocolType = protocol;
    k.Timeout = 5000;
    QElapsedTimer t;
    t.start();
    QCOMPARE(k.LockPort(), expected);
    QCOMPARE(k.GetECRStatus(), expected);
    QCOMPARE(k.ResultCode, expected);
    QVERIFY(t.elapsed() < 1000);
    kassio::PortMap::removeUserEntry(250);
}

void TestSerial::lockedPortIsBusy()
{
    Emulator emulator;
    QVERIFY2(startPty(emulator), qPrintable(emulator.errors()));
    TKassio holder;
    TKassio other;
    useSerial(holder, emulator.com(), 115200, 5000);
    useSerial(other, emulator.com(), 115200, 5000);

    QCOMPARE(holder.LockPort(), 0);
    QElapsedTimer t;
    t.start();
    QCOMPARE(other.LockPort(), kassio::rc::PortBusy);
    QCOMPARE(other.GetECRStatus(), kassio::rc::PortBusy);
    QVERIFY(t.elapsed() < 1000);
    QCOMPARE(holder.GetECRStatus(), 0); // the holder keeps talking meanwhile

    QCOMPARE(holder.UnlockPort(), 0);
    QCOMPARE(other.LockPort(), 0);
    QCOMPARE(other.GetECRStatus(), 0);
    QCOMPARE(holder.GetECRStatus(), kassio::rc::PortBusy);
    QCOMPARE(other.UnlockPort(), 0);
}

void TestSerial::unansweredRequests_data()
{
    QTest::addColumn<bool>("noise");
    QTest::addColumn<int>("sendCount");
    QTest::addColumn<int>("readCount");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("requests");
    QTest::addColumn<int>("minMs"); // the waits the counts ask for
    QTest::newRow("noise") << true << 3 << 3 << kassio::rc::BadAnswer << 1 << 0;
    QTest::newRow("silent, one send, one read") << false << 1 << 1 << kassio::rc::NoLink << 1 << 250;
    QTest::newRow("silent, sent twice") << false << 2 << 1 << kassio::rc::NoLink << 2 << 500;
    QTest::newRow("silent, read three times") << false << 1 << 3 << kassio::rc::NoLink << 1 << 750;
}

// Whatever the far end does, the call ends, and within the waits asked for.
void TestSerial::unansweredRequests()
{
    QFETCH(bool, noise);
    QFETCH(int, sendCount);
    QFETCH(int, readCount);
    QFETCH(int, expected);
    QFETCH(int, requests);
    QFETCH(int, minMs);
    FakeLine line(noise);
    QVERIFY(!line.slavePath().isEmpty());
    kassio::PortMap::setUserEntry(251, line.slavePath());
    TKassio k;
    useSerial(k, 251, 115200, 250);
    k.SearchTimeout = 0;
    k.MaxCommandSendCount = sendCount;
    k.MaxAnswerReadCount = readCount;
    QElapsedTimer t;
    t.start();
    QCOMPARE(k.GetECRStatus(), expected);
    const qint64 elapsed = t.elapsed();
    QVERIFY2(elapsed >= minMs && elapsed < minMs + 1000, qPrintable(QString::number(elapsed)));
    QTRY_COMPARE(line.requests(), requests);
    kassio::PortMap::removeUserEntry(251);
}

void TestSerial::ptyLinkLifecycle()
{
    const QString link = m_env->path(QStringLiteral("ttyLife"));
    const QString state = m_env->path(QStringLiteral("life.db"));
    int com = 0;
    {
        Emulator killed;
        QVERIFY2(killed.start(state, {"--pty", link}), qPrintable(killed.errors()));
        com = killed.com();
        TKassio k;
        useSerial(k, com, 115200, 1000);
        QCOMPARE(k.GetECRStatus(), 0);
        // The line goes dead under a connected component: a prompt failure.
        killed.kill();
        QElapsedTimer t;
        t.start();
        QCOMPARE(k.GetECRStatus(), kassio::rc::LinkLost);
        QVERIFY(t.elapsed() < 2000);
    }
    // A killed emulator leaves its link behind; the next one takes it over
    // with the same COM number, and a clean stop takes it away.
    QVERIFY(QFileInfo(link).isSymLink());
    Emulator next;
    QVERIFY2(next.start(state, {"--pty", link}), qPrintable(next.errors()));
    QCOMPARE(next.com(), com);
    {
        TKassio k;
        useSerial(k, com, 115200, 5000);
        QCOMPARE(k.GetECRStatus(), 0);
    }
    QVERIFY(next.terminate());
    QVERIFY(!QFileInfo(link).isSymLink());
    QVERIFY(!QFileInfo::exists(link));

    // Anything but a link at the path is not the emulator's to replace.
    const QString path = m_env->path(QStringLiteral("not-a-link"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("keep me");
    file.close();
    QProcess p;
    p.start(QStringLiteral(KASSIO_EMULATOR_BIN), {"--port", "0", "--no-tape", "--state", state, "--pty", path});
    QVERIFY(p.waitForFinished(15000));
    QCOMPARE(p.exitCode(), 1);
    QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("not a symbolic link")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("keep me"));
}

void TestSerial::enumerationListsThePseudoTerminal()
{
    Emulator emulator;
    QVERIFY2(startPty(emulator), qPrintable(emulator.errors()));
    // A link whose emulator is gone names no present port.
    const QString dangling = m_env->path(QStringLiteral("gone"));
    QVERIFY(QFile::link(QStringLiteral("/nonexistent/pts"), dangling));
    const int danglingCom = kassio::PortMap::registerPath(dangling);
    QVERIFY(danglingCom > 0);

    TSerialPorts ports;
    ports.EnumPorts();
    const int index = ports.IndexOfComNumber(emulator.com());
    QVERIFY(index >= 0);
    const TSerialPortRec &rec = ports.Items(index);
    QCOMPARE(rec.Name, QStringLiteral("COM%1").arg(emulator.com()));
    QVERIFY2(rec.FriendlyName.endsWith(QStringLiteral("(COM%1)").arg(emulator.com())), qPrintable(rec.FriendlyName));
    QCOMPARE(ComNumberOfFriendlyName(rec.FriendlyName), emulator.com());
    QVERIFY(!IsSkippedBySearch(rec));

    const int builtIn = ports.IndexOfComNumber(kassio::PortMap::BuiltInEmulatorCom);
    QVERIFY(builtIn >= 0);
    QVERIFY(ports.Items(builtIn).FriendlyName.endsWith(QStringLiteral("(COM1)")));
    QCOMPARE(ports.IndexOfComNumber(danglingCom), -1);
    QCOMPARE(ports.IndexOfComNumber(-1), -1);
    for (int i = 0; i < ports.Count(); ++i)
        QCOMPARE(ComNumberOfFriendlyName(ports.Items(i).FriendlyName), ports.Items(i).ComNumber);
    kassio::PortMap::removeUserEntry(danglingCom);

    // The port found is one the component can talk to.
    TKassio k;
    useSerial(k, rec.ComNumber, 115200, 5000);
    QCOMPARE(k.GetECRStatus(), 0);
}

void TestSerial::friendlyNameComNumber_data()
{
    QTest::addColumn<QString>("friendlyName");
    QTest::addColumn<int>("com");
    QTest::newRow("usb device") << QStringLiteral("USB Serial Device (COM3)") << 3;
    QTest::newRow("two digits") << QStringLiteral("Псевдотерминал /tmp/tty (COM200)") << 200;
    QTest::newRow("printer port") << QStringLiteral("ECP Printer Port (LPT1)") << -1;
    QTest::newRow("lpt anywhere") << QStringLiteral("Dual (LPT1) (COM4)") << -1;
    QTest::newRow("no com") << QStringLiteral("Modem") << -1;
    QTest::newRow("no closing bracket") << QStringLiteral("Port (COM12") << -1;
    QTest::newRow("not a number") << QStringLiteral("Port (COMx)") << -1;
    QTest::newRow("empty number") << QStringLiteral("Port (COM)") << -1;
    QTest::newRow("signed number") << QStringLiteral("Port (COM+5)") << -1;
}

void TestSerial::friendlyNameComNumber()
{
    QFETCH(QString, friendlyName);
    QFETCH(int, com);
    QCOMPARE(ComNumberOfFriendlyName(friendlyName), com);
}

void TestSerial::searchSkipsByVidPid_data()
{
    QTest::addColumn<QString>("hwStr");
    QTest::addColumn<int>("com");
    QTest::addColumn<int>("vid");
    QTest::addColumn<int>("pid");
    QTest::addColumn<bool>("skipped");
    QTest::newRow("vendor 0E8D") << QStringLiteral("USB\\VID_0E8D&PID_0003") << 5 << 0x0E8D << 0x0003 << true;
    QTest::newRow("vendor 0E8D lower case")
        << QStringLiteral("usb\\vid_0e8d&pid_7777&rev_0100") << 5 << 0x0E8D << 0x7777 << true;
    QTest::newRow("product 2012 of any vendor")
        << QStringLiteral("USB\\VID_1234&PID_2012") << 5 << 0x1234 << 0x2012 << true;
    QTest::newRow("register") << QStringLiteral("USB\\VID_2A03&PID_0043") << 5 << 0x2A03 << 0x0043 << false;
    QTest::newRow("no ids") << QStringLiteral("SERIAL\\ttyS0") << 34 << 0 << 0 << false;
    QTest::newRow("vid not hex, pid 2012") << QStringLiteral("USB\\VID_0E8G&PID_2012") << 5 << 0 << 0x2012 << true;
    QTest::newRow("ids cut short") << QStringLiteral("USB\\VID_0E8") << 5 << 0 << 0 << false;
    QTest::newRow("hex prefix is no id") << QStringLiteral("USB\\VID_0x0E&PID_0x20") << 5 << 0 << 0 << false;
    QTest::newRow("no COM number") << QStringLiteral("USB\\VID_2A03&PID_0043") << -1 << 0x2A03 << 0x0043 << true;
}

void TestSerial::searchSkipsByVidPid()
{
    QFETCH(QString, hwStr);
    QFETCH(int, com);
    QFETCH(int, vid);
    QFETCH(int, pid);
    QFETCH(bool, skipped);
    QCOMPARE(HardwareVid(hwStr), vid);
    QCOMPARE(HardwarePid(hwStr), pid);
    TSerialPortRec rec;
    rec.ComNumber = com;
    rec.Name = QStringLiteral("COM%1").arg(com);
    rec.HWStr = hwStr;
    QCOMPARE(IsSkippedBySearch(rec), skipped);
}

void TestSerial::announcesEverySecond()
{
    QUdpSocket receiver;
    QVERIFY(receiver.bind(QHostAddress::LocalHost, 0));
    Emulator emulator;
    QVERIFY2(emulator.start(m_env->path(QStringLiteral("announce.db")),
                            {"--announce", "--announce-port", QString::number(receiver.localPort())}),
             qPrintable(emulator.errors()));

    TKassio k;
    k.ConnectionType = 6;
    k.IPAddress = QStringLiteral("127.0.0.1");
    k.TCPPort = emulator.port();
    QCOMPARE(k.ReadSerialNumber(), 0);
    const QString expected =
        QStringLiteral("SN:%1;IP:127.0.0.1;port:%2").arg(k.SerialNumber.trimmed()).arg(emulator.port());

    QList<qint64> arrivals;
    QElapsedTimer t;
    t.start();
    while (arrivals.size() < 3 && t.elapsed() < 10000) {
        if (!receiver.hasPendingDatagrams() && !receiver.waitForReadyRead(2000))
            continue;
        const QNetworkDatagram d = receiver.receiveDatagram();
        QCOMPARE(QString::fromLatin1(d.data()), expected);
        arrivals << t.elapsed();
    }
    QCOMPARE(arrivals.size(), 3);
    for (int i = 1; i < arrivals.size(); ++i) {
        const qint64 gap = arrivals[i] - arrivals[i - 1];
        QVERIFY2(gap > 700 && gap < 1500, qPrintable(QString::number(gap)));
    }
}

QTEST_GUILESS_MAIN(TestSerial)
#include "tst_serial.moc"
