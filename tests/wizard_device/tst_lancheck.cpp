// The LAN connection check on its worker: the address from the register's
// Ethernet table (static, or after waiting for DHCP) or as typed for RNDIS,
// the connection to it over TCP, the failures and the user's stop.
#include "EmulatorProcess.h"
#include "KassioTestEnv.h"

#include "emulator/EmulatedRegister.h"
#include "wizard/device/CheckLANWorkTask.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/shell/Controller.h"

#include <QTcpServer>
#include <QtTest>

class TestLANCheck : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void ethernetConnects_data();
    void ethernetConnects();
    void dhcpThatNeverAnswersFails();
    void stopDuringTheDhcpWait();
    void rndisUsesTheTypedAddressOnly();
    void failures_data();
    void failures();
    void taskStateProgress();

private:
    void setTable(int table, int row, int field, const QVariant &value);
    // Runs the task to its end; false when it did not end in time.
    bool run(TCheckLANWorkTask &task, int timeoutMs = 15000);
    QString successText(int port) const
    {
        return QStringLiteral("Связь успешно установлена: 127.0.0.1:%1\r\nНажмите \"Далее\"").arg(port);
    }

    std::unique_ptr<KassioTestEnv> m_env;
    std::shared_ptr<emu::EmulatedRegister> m_register;
    std::unique_ptr<EmulatorProcess> m_network; // the register "on the network"
    int m_completions = 0;
};

void TestLANCheck::initTestCase()
{
    m_env = std::make_unique<KassioTestEnv>();
    m_register = emu::EmulatedRegister::shared(emu::EmulatedRegister::defaultStateFile());
    m_network = std::make_unique<EmulatorProcess>();
    QVERIFY(m_network->start(m_env->path(QStringLiteral("network.db"))));
}

void TestLANCheck::init()
{
    QVERIFY(m_register->factoryReset(emu::defaultModelId()));
    // The register's address is loopback; its port is where the network one listens.
    setTable(21, 1, 4, m_network->port());
    TController &c = Controller();
    c.IsRNDIS = false;
    c.IP.clear();
    c.TCPPort = 0;
    m_completions = 0;
}

void TestLANCheck::cleanup()
{
    FreeWizardDriver();
}

void TestLANCheck::setTable(int table, int row, int field, const QVariant &value)
{
    QVERIFY(m_register->modify([&](emu::RegisterState &s) { s.tableValues[emu::TableKey{table, row, field}] = value; }));
}

bool TestLANCheck::run(TCheckLANWorkTask &task, int timeoutMs)
{
    task.SetOnCompleted([this](TWorkThread &) { ++m_completions; });
    const int before = m_completions;
    task.Execute();
    QElapsedTimer t;
    t.start();
    while (m_completions == before && t.elapsed() < timeoutMs)
        QTest::qWait(10);
    return m_completions == before + 1 && !task.Started();
}

void TestLANCheck::ethernetConnects_data()
{
    QTest::addColumn<int>("staticAddress");
    QTest::addColumn<int>("dhcpState");
    QTest::newRow("DHCP, address obtained") << 0 << 10;
    QTest::newRow("static address, DHCP not asked") << 1 << 0;
}

void TestLANCheck::ethernetConnects()
{
    QFETCH(int, staticAddress);
    QFETCH(int, dhcpState);
    setTable(16, 1, 1, staticAddress);
    setTable(16, 1, 2, dhcpState);
    TCheckLANWorkTask task;
    task.SetDhcpWaitLimit(500);
    QVERIFY(run(task));
    const TTaskState &s = task.State();
    QCOMPARE(s.Text(), successText(m_network->port()));
    QVERIFY(s.Succeeded());
    QVERIFY(s.Completed());
    QVERIFY(!s.IsRunning());
    QCOMPARE(s.ItemNumber(), 2);
    QCOMPARE(s.Percent(), 100);
    QVERIFY(!WizardDriver().Connected); // the shared instance let the port go
}

void TestLANCheck::dhcpThatNeverAnswersFails()
{
    setTable(16, 1, 1, 0);
    setTable(16, 1, 2, 3);
    TCheckLANWorkTask task;
    task.SetDhcpWaitLimit(300);
    QElapsedTimer t;
    t.start();
    QVERIFY(run(task));
    QVERIFY(t.elapsed() >= 300);
    const TTaskState &s = task.State();
    QCOMPARE(s.Text(), QStringLiteral("Не удается получить IP по DHCP 3"));
    QCOMPARE(s.FailedInfo(), s.Text());
    QVERIFY(!s.Succeeded());
    QVERIFY(s.Completed());
    QCOMPARE(s.ItemNumber(), 0);
    QVERIFY(!WizardDriver().Connected);
}

void TestLANCheck::stopDuringTheDhcpWait()
{
    setTable(16, 1, 1, 0);
    setTable(16, 1, 2, 0);
    TCheckLANWorkTask task;
    task.SetOnCompleted([this](TWorkThread &) { ++m_completions; });
    task.Execute();
    QTRY_COMPARE_WITH_TIMEOUT(task.State().Text(), QStringLiteral("Ожидание получения IP адреса..."), 5000);
    QElapsedTimer t;
    t.start();
    task.Stop(); // waits for the worker
    QVERIFY2(t.elapsed() < 2000, qPrintable(QString::number(t.elapsed())));
    QTRY_COMPARE_WITH_TIMEOUT(m_completions, 1, 2000);
    const TTaskState &s = task.State();
    QCOMPARE(s.Text(), QStringLiteral("Операция отменена"));
    QVERIFY(s.UserCancelled());
    QVERIFY(!s.Succeeded());
    QCOMPARE(s.FailedInfo(), QStringLiteral("Операция отменена пользователем"));
    QVERIFY(!task.Started());

    // The task runs again from a fresh start.
    setTable(16, 1, 2, 10);
    QVERIFY(run(task));
    QCOMPARE(task.State().Text(), successText(m_network->port()));
    QVERIFY(!task.State().UserCancelled());
}

void TestLANCheck::rndisUsesTheTypedAddressOnly()
{
    // Any table read through the shared instance would fail on this port.
    WizardDriver().ComNumber = 177;
    TController &c = Controller();
    c.IsRNDIS = true;
    c.IP = QStringLiteral("127.0.0.1");
    c.TCPPort = m_network->port();
    TCheckLANWorkTask task;
    QVERIFY(run(task));
    QCOMPARE(task.State().Text(), successText(m_network->port()));
    QVERIFY(task.State().Succeeded());
}

void TestLANCheck::failures_data()
{
    QTest::addColumn<bool>("registerReachable");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("nobody listens at the address")
        << true << QStringLiteral("Ошибка подключения к : 127.0.0.1:%1, ")
        << QStringLiteral(" \r\nПроверьте настройки сети");
    QTest::newRow("register's table unreadable") << false << QStringLiteral("Ошибка -2, ") << QString();
}

void TestLANCheck::failures()
{
    QFETCH(bool, registerReachable);
    QFETCH(QString, prefix);
    QFETCH(QString, suffix);
    int closedPort = 0;
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        closedPort = server.serverPort();
    }
    setTable(21, 1, 4, closedPort);
    if (!registerReachable)
        WizardDriver().ComNumber = 177;
    TCheckLANWorkTask task;
    task.SetConnectTimeout(1000);
    QVERIFY(run(task));
    const TTaskState &s = task.State();
    prefix.replace(QStringLiteral("%1"), QString::number(closedPort));
    QVERIFY2(s.Text().startsWith(prefix), qPrintable(s.Text()));
    QVERIFY2(s.Text().endsWith(suffix), qPrintable(s.Text()));
    QVERIFY(s.Text().size() > prefix.size() + suffix.size()); // the component's reason is there
    QVERIFY(!s.Succeeded());
    QCOMPARE(s.FailedInfo(), s.Text());
    QVERIFY(!WizardDriver().Connected);
}

void TestLANCheck::taskStateProgress()
{
    TTaskState s;
    QCOMPARE(s.Percent(), 0); // no steps planned
    QCOMPARE(s.TimeRemaining(), 0);
    s.Start(3);
    QVERIFY(s.IsRunning());
    QCOMPARE(s.TimeRemaining(), 0); // nothing done yet
    s.StepProgress(1);
    QCOMPARE(s.Percent(), 33); // fraction dropped
    QTest::qWait(60);
    // A third done after the elapsed time: about twice that remains.
    const qint64 elapsed = s.TimeElapsed();
    QVERIFY(qAbs(s.TimeRemaining() - 2 * elapsed) <= 10);
    s.Fail(QStringLiteral("нет ответа"));
    QCOMPARE(s.Text(), QStringLiteral("Ошибка"));
    QCOMPARE(s.FailedInfo(), QStringLiteral("нет ответа"));
    QVERIFY(s.Completed() && !s.IsRunning() && !s.Succeeded() && s.StopFlag());
    QCOMPARE(s.TimeRemaining(), 0);
    s.Start(0);
    QVERIFY(!s.StopFlag() && !s.Completed());
    QVERIFY(s.FailedInfo().isEmpty());
}

QTEST_MAIN(TestLANCheck)
#include "tst_lancheck.moc"
