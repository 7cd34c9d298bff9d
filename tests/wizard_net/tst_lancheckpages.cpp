// The Ethernet and RNDIS check pages against the emulator served on a local
// TCP port: reaching the register by the address the settings give, a failed
// check that still lets the user go on, and the shell's buttons kept off
// while the check's worker may use the shared driver instance.
#include "KassioTestEnv.h"
#include "WizardTestKit.h"

#include "emulator/DeviceServer.h"
#include "emulator/EmulatedRegister.h"
#include "wizard/device/CheckLANPage.h"
#include "wizard/device/CheckLANWorkTask.h"
#include "wizard/device/NetParamsPage.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/MainForm.h"
#include "wizard/shell/WizardMessages.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

class TestLANCheckPages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void checkReachesTheRegister_data();
    void checkReachesTheRegister();
    void failedCheckStillGoesOn();
    void buttonsOffWhileTheCheckRuns();

private:
    // OFD setup job → network type → settings page; the settings typed and
    // written, the check page shown and started.
    TfmCheckLAN *openCheckPage(TfmMain &w, int netType, bool dhcp, const QString &ip, quint16 port);
    static QString current() { return QString::fromLatin1(Controller().CurrentPage->metaObject()->className()); }
    static QAbstractButton *button(TfmMain &w, const char *name)
    {
        return w.findChild<QAbstractButton *>(QLatin1String(name));
    }
    // Back, next, home and the driver settings all on or all off.
    static bool navigationIs(TfmMain &w, bool on)
    {
        for (const char *name : {"btnPrev", "btnNext", "btnHome", "btnMenu"})
            if (button(w, name)->isEnabled() != on)
                return false;
        return true;
    }

    std::unique_ptr<KassioTestEnv> m_env;
    std::shared_ptr<emu::EmulatedRegister> m_register;
    std::unique_ptr<emu::DeviceServer> m_server;
    QTemporaryDir m_folder;
    QStringList m_messages;
};

void TestLANCheckPages::initTestCase()
{
    m_env = std::make_unique<KassioTestEnv>();
    m_register = emu::EmulatedRegister::shared(emu::EmulatedRegister::defaultStateFile());
    m_server = std::make_unique<emu::DeviceServer>(m_register);
    QVERIFY2(m_server->listen(QHostAddress::LocalHost), qPrintable(m_server->errorString()));
    SetWizardMessageResponder([this](const TWizardMessage &m) {
        m_messages << m.text;
        return QMessageBox::Ok;
    });
}

void TestLANCheckPages::init()
{
    QVERIFY(m_register->factoryReset(emu::defaultModelId()));
    m_messages.clear();
}

void TestLANCheckPages::cleanup()
{
    FreeWizardDriver();
}

TfmCheckLAN *TestLANCheckPages::openCheckPage(TfmMain &w, int netType, bool dhcp, const QString &ip, quint16 port)
{
    if (!wizardtest::ToJobPage(w))
        return nullptr;
    Controller().CurrentPage->findChild<QListWidget *>(QStringLiteral("listBox"))->setCurrentRow(5);
    for (int step = 0; step < 5 && current() != u"TfmSelectNetType"; ++step) {
        wizardtest::FillDataPage(wizardtest::ValidOfdData());
        button(w, "btnNext")->click();
    }
    if (current() != u"TfmSelectNetType")
        return nullptr;
    Controller().CurrentPage->findChild<QListWidget *>(QStringLiteral("listBox"))->setCurrentRow(netType);
    button(w, "btnNext")->click();
    auto *settings = qobject_cast<TNetParamsPage *>(Controller().CurrentPage);
    if (!settings)
        return nullptr;
    if (settings->chkDHCP)
        settings->chkDHCP->setChecked(dhcp);
    settings->ipStatic->setText(ip);
    settings->ipMask->setText(QStringLiteral("255.0.0.0"));
    settings->ipGateway->setText(QStringLiteral("127.0.0.1"));
    settings->edtTCPPort->setText(QString::number(port));
    m_messages.clear();
    button(w, "btnNext")->click();
    if (m_messages.size() != 1 || !m_messages[0].contains(QStringLiteral("успешно записаны")))
        return nullptr;
    m_messages.clear();
    return qobject_cast<TfmCheckLAN *>(Controller().CurrentPage);
}

void TestLANCheckPages::checkReachesTheRegister_data()
{
    QTest::addColumn<int>("netType");
    QTest::addColumn<bool>("dhcp");
    QTest::addColumn<QString>("page");
    // The emulator's DHCP lease is its factory state: table 16 field 2 is 10
    // and the address is loopback, where its server listens.
    QTest::newRow("Ethernet, DHCP") << 0 << true << "TfmCheckEthernet";
    QTest::newRow("Ethernet, static") << 0 << false << "TfmCheckEthernet";
    QTest::newRow("RNDIS at the typed address") << 2 << false << "TfmCheckRNDIS";
}

void TestLANCheckPages::checkReachesTheRegister()
{
    QFETCH(int, netType);
    QFETCH(bool, dhcp);
    QFETCH(QString, page);
    auto w = std::make_unique<TfmMain>(m_folder.path(), wizardtest::PageList());
    w->show();
    TfmCheckLAN *check = openCheckPage(*w, netType, dhcp, QStringLiteral("127.0.0.1"), m_server->port());
    QVERIFY(check);
    QCOMPARE(current(), page);
    QVERIFY(!check->btnStart->isEnabled());
    QVERIFY(check->btnStop->isEnabled());

    const QString success = QStringLiteral("Связь успешно установлена: 127.0.0.1:%1\r\nНажмите \"Далее\"")
                                .arg(m_server->port());
    QTRY_COMPARE_WITH_TIMEOUT(check->lblStatus->text(), success, 15000);
    QVERIFY(check->CheckTask().State().Succeeded());
    QVERIFY(!check->Timer->isActive());
    QVERIFY(check->btnStart->isEnabled());
    QVERIFY(!check->btnStop->isEnabled());
    QVERIFY(navigationIs(*w, true));
    button(*w, "btnNext")->click();
    QCOMPARE(current(), QStringLiteral("TfmOFDExchangeState"));
    QVERIFY(m_messages.isEmpty());
}

void TestLANCheckPages::failedCheckStillGoesOn()
{
    // A port nobody listens on: the connection is refused at once.
    quint16 closedPort = 0;
    {
        emu::DeviceServer probe(m_register);
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        closedPort = probe.port();
    }
    auto w = std::make_unique<TfmMain>(m_folder.path(), wizardtest::PageList());
    w->show();
    TfmCheckLAN *check = openCheckPage(*w, 2, false, QStringLiteral("127.0.0.1"), closedPort);
    QVERIFY(check);
    const QString failure = QStringLiteral("Ошибка подключения к : 127.0.0.1:%1, ").arg(closedPort);
    QTRY_VERIFY_WITH_TIMEOUT(check->lblStatus->text().startsWith(failure), 15000);
    QVERIFY(check->lblStatus->text().endsWith(QStringLiteral(" \r\nПроверьте настройки сети")));
    QVERIFY(!check->CheckTask().State().Succeeded());
    QVERIFY(navigationIs(*w, true));
    QVERIFY(m_messages.isEmpty()); // the failure is on the page, not in a box

    // "Повторить" runs the check again, with the buttons off meanwhile.
    check->btnStart->click();
    QVERIFY(navigationIs(*w, false));
    QVERIFY(!check->btnStart->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(check->lblStatus->text().startsWith(failure) && check->btnStart->isEnabled(), 15000);
    QVERIFY(navigationIs(*w, true));
    button(*w, "btnNext")->click();
    QCOMPARE(current(), QStringLiteral("TfmOFDExchangeState"));
}

void TestLANCheckPages::buttonsOffWhileTheCheckRuns()
{
    // No DHCP lease: the check keeps polling table 16 on the shared instance.
    QVERIFY(m_register->modify([](emu::RegisterState &s) { s.tableValues[{16, 1, 2}] = qint64(0); }));
    auto w = std::make_unique<TfmMain>(m_folder.path(), wizardtest::PageList());
    w->show();
    TfmCheckLAN *check = openCheckPage(*w, 0, true, QStringLiteral("127.0.0.1"), m_server->port());
    QVERIFY(check);
    QTRY_COMPARE(check->lblStatus->text(), QStringLiteral("Ожидание получения IP адреса..."));
    // Also back, which the shell turns on after every page's show.
    QVERIFY(navigationIs(*w, false));
    QVERIFY(check->IsRunning());
    QVERIFY(check->Timer->isActive());

    check->btnStop->click();
    QTRY_COMPARE(check->lblStatus->text(), QStringLiteral("Операция отменена"));
    QTRY_VERIFY(check->btnStart->isEnabled());
    QVERIFY(!check->btnStop->isEnabled());
    QVERIFY(navigationIs(*w, true));

    // Leaving while a check runs ends its worker before the page goes.
    check->btnStart->click();
    QTRY_COMPARE(check->lblStatus->text(), QStringLiteral("Ожидание получения IP адреса..."));
    w->close();
    QVERIFY(!check->CheckTask().State().IsRunning());
    QCOMPARE(check->CheckTask().State().Text(), QStringLiteral("Операция отменена"));
}

QTEST_MAIN(TestLANCheckPages)
#include "tst_lancheckpages.moc"
