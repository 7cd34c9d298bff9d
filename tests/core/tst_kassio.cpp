// The component's calling pattern against the built-in emulator and over
// links that fail.
#include "KassioTestEnv.h"

#include "driver/Kassio.h"
#include "driver/ResultCodes.h"
#include "emulator/EmulatedRegister.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTcpServer>
#include <QtTest>

#include <future>
#include <thread>

class TestKassio : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void printStringReachesTape();
    void propertiesKeepTheirValues();
    void busyInjectionThenSuccess();
    void unmodelledMethodIsNotSupported();
    void operatorNumberFollowsPassword();
    void driverVersionIsRecentEnough();
    void tableWriteTakesTheInputAssignedLast();
    void linkErrors_data();
    void linkErrors();
    void silentPeerTimesOut();
    void peerClosingMidCallIsLinkLoss();
    void settingsAreShared();

private:
    std::unique_ptr<KassioTestEnv> m_env;
    std::shared_ptr<emu::EmulatedRegister> m_register;
};

static const QRegularExpression kHexFrame(QStringLiteral("^02( [0-9A-F]{2})+$"));

void TestKassio::initTestCase() { m_env = std::make_unique<KassioTestEnv>(); }

void TestKassio::init()
{
    m_register = emu::EmulatedRegister::shared(emu::EmulatedRegister::defaultStateFile());
    QVERIFY(m_register->factoryReset(emu::defaultModelId()));
}

void TestKassio::printStringReachesTape()
{
    TKassio k;
    k.StringForPrinting = QStringLiteral("Привет");
    QCOMPARE(k.PrintString(), 0);
    QCOMPARE(k.ResultCode, 0);
    QVERIFY(!k.ResultCodeDescription.isEmpty());
    QVERIFY2(kHexFrame.match(k.ECRInput).hasMatch(), qPrintable(k.ECRInput));
    QVERIFY2(kHexFrame.match(k.ECROutput).hasMatch(), qPrintable(k.ECROutput));
    const auto tape = m_register->tape();
    QCOMPARE(tape.size(), std::size_t(1));
    QCOMPARE(tape.back().text, QStringLiteral("Привет"));
}

void TestKassio::propertiesKeepTheirValues()
{
    TKassio k;
    k.StringForPrinting = QStringLiteral("строка");
    QCOMPARE(k.GetECRStatus(), 0);
    QCOMPARE(k.StringForPrinting, QStringLiteral("строка"));
    const int mode = k.ECRMode;
    QVERIFY(!k.ECRModeDescription.isEmpty());
    // Outputs stay until the next call that sets them; inputs are sent again.
    QCOMPARE(k.PrintString(), 0);
    QCOMPARE(k.ECRMode, mode);
    QCOMPARE(k.PrintString(), 0);
    const auto tape = m_register->tape();
    QCOMPARE(tape.size(), std::size_t(2));
    QCOMPARE(tape[0].text, QStringLiteral("строка"));
    QCOMPARE(tape[1].text, QStringLiteral("строка"));
}

void TestKassio::busyInjectionThenSuccess()
{
    QVERIFY(m_register->injectFault(QStringLiteral("PrintString"), 80, 3));
    TKassio k;
    k.StringForPrinting = QStringLiteral("после занятости");
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(k.PrintString(), 80);
        QCOMPARE(k.ResultCodeDescription, emu::errorDescription(80));
    }
    // Other methods are not affected by a fault aimed at one.
    QCOMPARE(k.GetShortECRStatus(), 0);
    QCOMPARE(k.PrintString(), 0);
    QCOMPARE(m_register->tape().size(), std::size_t(1));
}

void TestKassio::unmodelledMethodIsNotSupported()
{
    // A customer display command: this register has no display.
    TKassio k;
    QCOMPARE(k.CloseScreen(), kassio::rc::NotSupported);
    QCOMPARE(k.ResultCode, kassio::rc::NotSupported);
    QVERIFY(!k.ResultCodeDescription.isEmpty());
}

void TestKassio::operatorNumberFollowsPassword()
{
    TKassio k;
    k.Password = 1;
    QCOMPARE(k.GetShortECRStatus(), 0);
    QCOMPARE(k.OperatorNumber, 1);
    k.Password = 30;
    QCOMPARE(k.GetShortECRStatus(), 0);
    QCOMPARE(k.OperatorNumber, 30);
}

void TestKassio::driverVersionIsRecentEnough()
{
    TKassio k;
    const auto version = std::make_tuple(k.DriverMajorVersion, k.DriverMinorVersion, k.DriverRelease, k.DriverBuild);
    QVERIFY(version >= std::make_tuple(4, 13, 0, 594));
    QCOMPARE(k.DriverVersion, QStringLiteral("%1.%2.%3.%4").arg(k.DriverMajorVersion).arg(k.DriverMinorVersion)
                                   .arg(k.DriverRelease).arg(k.DriverBuild));
}

void TestKassio::tableWriteTakesTheInputAssignedLast()
{
    // Find a writable number field in the first table.
    TKassio k;
    k.TableNumber = 1;
    QCOMPARE(k.GetTableStruct(), 0);
    const int fields = k.FieldNumber;
    int field = 0;
    for (int f = 1; f <= fields && !field; ++f) {
        k.FieldNumber = f;
        QCOMPARE(k.GetFieldStruct(), 0);
        if (!k.FieldType && quint32(k.MAXValueOfField) > quint32(k.MINValueOfField) + 1)
            field = f;
    }
    QVERIFY2(field, "table 1 has no number field to write");
    const int low = k.MINValueOfField;

    k.RowNumber = 1;
    k.FieldNumber = field;
    QCOMPARE(k.ReadTable(), 0);
    // The table page writes numbers as text; a stale integer must not win.
    k.ValueOfFieldString = QString::number(low + 1);
    QCOMPARE(k.WriteTable(), 0);
    QCOMPARE(k.ReadTable(), 0);
    QCOMPARE(k.ValueOfFieldInteger, low + 1);
    // And an integer assigned after a read wins over the text the read left.
    k.ValueOfFieldInteger = low;
    QCOMPARE(k.WriteTable(), 0);
    QCOMPARE(k.ReadTable(), 0);
    QCOMPARE(k.ValueOfFieldString, QString::number(low));
}

void TestKassio::linkErrors_data()
{
    QTest::addColumn<int>("connectionType");
    QTest::addColumn<int>("comNumber");
    QTest::addColumn<int>("tcpPort");
    QTest::addColumn<int>("expected");
    // A port nobody listens on: bind one, note it, close it.
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    const int closedPort = probe.serverPort();
    probe.close();
    QTest::newRow("remote port type 1") << 1 << 1 << 0 << kassio::rc::ConnectionTypeUnsupported;
    QTest::newRow("remote port type 2") << 2 << 1 << 0 << kassio::rc::ConnectionTypeUnsupported;
    QTest::newRow("unmapped COM port") << 0 << 250 << 0 << kassio::rc::PortUnavailable;
    QTest::newRow("TCP port closed") << 6 << 1 << closedPort << kassio::rc::PortUnavailable;
    QTest::newRow("TCP port out of range") << 6 << 1 << 70000 << kassio::rc::PortUnavailable;
}

void TestKassio::linkErrors()
{
    QFETCH(int, connectionType);
    QFETCH(int, comNumber);
    QFETCH(int, tcpPort);
    QFETCH(int, expected);
    TKassio k;
    k.ConnectionType = connectionType;
    k.ComNumber = comNumber;
    k.IPAddress = QStringLiteral("127.0.0.1");
    k.TCPPort = tcpPort;
    k.Timeout = 500;
    QElapsedTimer t;
    t.start();
    QCOMPARE(k.GetECRStatus(), expected);
    QVERIFY(t.elapsed() < 3000);
    QCOMPARE(k.ResultCode, expected);
    QVERIFY(k.ResultCodeDescription.startsWith(QStringLiteral("Нет связи"))
            || expected == kassio::rc::ConnectionTypeUnsupported);
    QVERIFY(k.ECROutput.isEmpty());
    QVERIFY(!k.Connected);
}

void TestKassio::silentPeerTimesOut()
{
    // The peer accepts the connection but never answers.
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    TKassio k;
    k.ConnectionType = 6;
    k.IPAddress = QStringLiteral("127.0.0.1");
    k.TCPPort = silent.serverPort();
    k.Timeout = 300;
    QElapsedTimer t;
    t.start();
    QCOMPARE(k.GetShortECRStatus(), kassio::rc::NoLink);
    QVERIFY(t.elapsed() >= 250);
    QVERIFY(t.elapsed() < 2000);
    QCOMPARE(k.ResultCodeDescription, QStringLiteral("Нет связи"));
    QVERIFY(!k.ECRInput.isEmpty());
    QVERIFY(k.ECROutput.isEmpty());
}

void TestKassio::peerClosingMidCallIsLinkLoss()
{
    // The peer reads the request and hangs up without answering.
    std::promise<quint16> port;
    std::thread peer([&port] {
        QTcpServer server;
        port.set_value(server.listen(QHostAddress::LocalHost) ? server.serverPort() : 0);
        if (server.waitForNewConnection(5000)) {
            QTcpSocket *s = server.nextPendingConnection();
            s->waitForReadyRead(5000);
            s->close();
        }
    });
    TKassio k;
    k.ConnectionType = 6;
    k.IPAddress = QStringLiteral("127.0.0.1");
    k.TCPPort = port.get_future().get();
    k.Timeout = 5000;
    QElapsedTimer t;
    t.start();
    const int code = k.GetShortECRStatus();
    peer.join();
    QCOMPARE(code, kassio::rc::LinkLost);
    QVERIFY(t.elapsed() < 4000);
    QVERIFY(k.ResultCodeDescription.startsWith(QStringLiteral("Нет связи")));
    QVERIFY(!k.Connected);
}

void TestKassio::settingsAreShared()
{
    {
        TKassio k;
        k.ConnectionType = 6;
        k.IPAddress = QStringLiteral("10.0.0.5");
        k.TCPPort = 7000;
        k.Password = 1;
        k.saveSettings();
    }
    TKassio other;
    QCOMPARE(other.ConnectionType, 6);
    QCOMPARE(other.IPAddress, QStringLiteral("10.0.0.5"));
    QCOMPARE(other.TCPPort, 7000);
    QCOMPARE(other.Password, 1);
    // Put the built-in emulator back for the other tests.
    other.ConnectionType = 0;
    other.Password = 30;
    other.saveSettings();
}

QTEST_GUILESS_MAIN(TestKassio)
#include "tst_kassio.moc"
