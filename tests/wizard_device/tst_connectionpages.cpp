// The first pages of the wizard: the start page's driver version check, the
// port type page with the password, and the TCP page: its UDP list, the
// connection check against a register on the network, and the register it
// found carried into the job page.
#include "EmulatorProcess.h"
#include "KassioTestEnv.h"

#include "emulator/DeviceCatalog.h"
#include "emulator/EmulatedRegister.h"
#include "wizard/device/ConnectDevice.h"
#include "wizard/device/SearchDevice.h"
#include "wizard/device/SelectPortType.h"
#include "wizard/device/TCPParams.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/MainForm.h"
#include "wizard/shell/SelectWorkType.h"
#include "wizard/shell/WizardMessages.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUdpSocket>
#include <QtTest>

class TestConnectionPages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void driverVersion_data();
    void driverVersion();
    void portTypeAndPassword_data();
    void portTypeAndPassword();
    void tcpCheckCarriesTheRegisterOn();
    void tcpCheckFailureKeepsNextDisabled();
    void udpRowOnlyFillsAddressAndPort();
    void announcedRegisterIsTakenOn();

private:
    std::unique_ptr<TfmMain> makeWindow();
    void goToTcpPage(TfmMain &w);
    static QString current() { return QString::fromLatin1(Controller().CurrentPage->metaObject()->className()); }
    static QPushButton *button(TfmMain &w, const char *name) { return w.findChild<QPushButton *>(QLatin1String(name)); }
    template <typename T>
    static T *control(const char *name) { return Controller().CurrentPage->findChild<T *>(QLatin1String(name)); }

    std::unique_ptr<KassioTestEnv> m_env;
    std::shared_ptr<emu::EmulatedRegister> m_register;
    std::unique_ptr<EmulatorProcess> m_network;
    QString m_networkState;
    QTemporaryDir m_folder;
    QStringList m_messages;
};

void TestConnectionPages::initTestCase()
{
    m_env = std::make_unique<KassioTestEnv>();
    m_register = emu::EmulatedRegister::shared(emu::EmulatedRegister::defaultStateFile());
    m_networkState = m_env->path(QStringLiteral("network.db"));
    m_network = std::make_unique<EmulatorProcess>();
    QVERIFY(m_network->start(m_networkState));
    SetWizardMessageResponder([this](const TWizardMessage &m) {
        m_messages << m.text;
        return QMessageBox::Ok;
    });
}

void TestConnectionPages::init()
{
    QVERIFY(m_register->factoryReset(emu::defaultModelId()));
    m_messages.clear();
    Controller().KKTName.clear();
    Controller().KKTSN.clear();
}

void TestConnectionPages::cleanup()
{
    FreeWizardDriver();
}

std::unique_ptr<TfmMain> TestConnectionPages::makeWindow()
{
    auto w = std::make_unique<TfmMain>(m_folder.path(),
                                       std::vector<TfmMain::TPageFactory>{
                                           [] { return new TfmConnectDevice; },
                                           [] { return new TfmSelectPortType; },
                                           [] { return new TfmSearchDevice([] { return TSerialPorts(); }); },
                                           [] { return new TfmTCPParams(0); },
                                           [] { return new TfmSelectWorkType; },
                                       });
    w->show();
    return w;
}

void TestConnectionPages::goToTcpPage(TfmMain &w)
{
    button(w, "btnNext")->click();
    control<QListWidget>("listBox")->setCurrentRow(1);
    button(w, "btnNext")->click();
    QCOMPARE(current(), QStringLiteral("TfmTCPParams"));
}

void TestConnectionPages::driverVersion_data()
{
    QTest::addColumn<QList<int>>("version");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("4.13.0.593") << QList<int>{4, 13, 0, 593} << false;
    QTest::newRow("4.13.0.594") << QList<int>{4, 13, 0, 594} << true;
    QTest::newRow("4.13.1.0") << QList<int>{4, 13, 1, 0} << true;
    QTest::newRow("5.0.0.0") << QList<int>{5, 0, 0, 0} << true;
    QTest::newRow("4.12.9.9999") << QList<int>{4, 12, 9, 9999} << false;
    // Compared unsigned: a negative number is a huge one, not an old one.
    QTest::newRow("4.13.0.-1") << QList<int>{4, 13, 0, -1} << true;
}

void TestConnectionPages::driverVersion()
{
    QFETCH(QList<int>, version);
    QFETCH(bool, accepted);
    CreateWizardDriver();
    TKassio &d = WizardDriver();
    d.DriverMajorVersion = version[0];
    d.DriverMinorVersion = version[1];
    d.DriverRelease = version[2];
    d.DriverBuild = version[3];
    auto w = makeWindow();
    QCOMPARE(current(), QStringLiteral("TfmConnectDevice"));
    auto *info = control<QLabel>("lblInfo");
    QCOMPARE(info->isVisible(), !accepted);
    QCOMPARE(button(*w, "btnNext")->isEnabled(), accepted);
    if (!accepted)
        QCOMPARE(info->text(), QStringLiteral("Внимание! Установленная версия драйвера ФР меньше минимальной\r\n"
                                              "Для корректной работы необходима версия не ниже 4.13.0.594"));
    else {
        button(*w, "btnNext")->click();
        QCOMPARE(current(), QStringLiteral("TfmSelectPortType"));
    }
}

void TestConnectionPages::portTypeAndPassword_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("page");
    QTest::newRow("COM port") << 0 << "30" << "TfmSearchDevice";
    QTest::newRow("TCP") << 1 << "1234" << "TfmTCPParams";
    QTest::newRow("letters") << 0 << "3O" << "TfmSelectPortType";
    QTest::newRow("empty") << 1 << "" << "TfmSelectPortType";
}

void TestConnectionPages::portTypeAndPassword()
{
    QFETCH(int, row);
    QFETCH(QString, password);
    QFETCH(QString, page);
    auto w = makeWindow();
    WizardDriver().SysAdminPassword = 29;
    button(*w, "btnNext")->click();
    QCOMPARE(control<QListWidget>("listBox")->currentRow(), 0); // "COM-порт" chosen on show
    auto *edit = control<QLineEdit>("edtSysAdminPassword");
    QCOMPARE(edit->text(), QStringLiteral("29"));
    control<QListWidget>("listBox")->setCurrentRow(row);
    edit->setText(password);
    button(*w, "btnNext")->click();
    QCOMPARE(current(), page);
    const bool moved = page != u"TfmSelectPortType";
    QCOMPARE(m_messages, moved ? QStringList{} : QStringList{QStringLiteral("\"%1\" не является целым числом").arg(password)});
    if (moved) {
        QCOMPARE(WizardDriver().SysAdminPassword, password.toInt());
        QCOMPARE(WizardDriver().Password, password.toInt());
        QCOMPARE(Controller().IsComConnection, row == 0);
    } else {
        QCOMPARE(WizardDriver().SysAdminPassword, 29);
    }
}

void TestConnectionPages::tcpCheckCarriesTheRegisterOn()
{
    auto w = makeWindow();
    goToTcpPage(*w);
    QVERIFY(!button(*w, "btnNext")->isEnabled());
    control<QLineEdit>("edtIP")->setText(QStringLiteral("127.0.0.1"));
    control<QLineEdit>("edtTCPPort")->setText(QString::number(m_network->port()));
    control<QPushButton>("btnCheckConnection")->click();
    QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join(u'\n')));

    const QString name = emu::findModel(emu::defaultModelId())->description;
    const QString serial = emu::EmulatedRegister(m_networkState).snapshot().serialNumber;
    QVERIFY(!serial.isEmpty());
    QVERIFY(serial != m_register->snapshot().serialNumber); // not the built-in one
    QCOMPARE(control<QLabel>("lblInfo")->text(),
             QStringLiteral("Найдено устройство %1, Зав. номер: %2\r\nДля продолжения нажмите \"Далее\"").arg(name, serial));
    QVERIFY(button(*w, "btnNext")->isEnabled());
    QVERIFY(!WizardDriver().Connected);

    button(*w, "btnNext")->click();
    QCOMPARE(current(), QStringLiteral("TfmSelectWorkType"));
    QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join(u'\n')));
    // The job page asked the register on the network, over the chosen connection.
    QCOMPARE(control<QLabel>("lblDevice")->text(), name + QStringLiteral(", зав. номер ") + serial);
    QCOMPARE(control<QListWidget>("listBox")->count(), 6);
    QCOMPARE(WizardDriver().ConnectionType, 6);
    QCOMPARE(WizardDriver().TCPPort, m_network->port());
    QVERIFY(!WizardDriver().Connected);
}

void TestConnectionPages::tcpCheckFailureKeepsNextDisabled()
{
    int closedPort = 0;
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        closedPort = server.serverPort();
    }
    auto w = makeWindow();
    goToTcpPage(*w);
    control<QLineEdit>("edtIP")->setText(QStringLiteral("127.0.0.1"));
    auto *port = control<QLineEdit>("edtTCPPort");
    auto *check = control<QPushButton>("btnCheckConnection");
    auto *info = control<QLabel>("lblInfo");

    port->setText(QString::number(closedPort));
    check->click();
    QCOMPARE(info->text(), QStringLiteral("Нет связи с устройством"));
    QVERIFY(!button(*w, "btnNext")->isEnabled());
    QVERIFY(m_messages.isEmpty()); // the driver's reason is not shown

    port->setText(QString::number(m_network->port()));
    check->click();
    QVERIFY(button(*w, "btnNext")->isEnabled());
    // A later failed check takes the way on back.
    port->setText(QString::number(closedPort));
    check->click();
    QCOMPARE(info->text(), QStringLiteral("Нет связи с устройством"));
    QVERIFY(!button(*w, "btnNext")->isEnabled());

    port->setText(QStringLiteral("77x9"));
    check->click();
    QCOMPARE(m_messages, QStringList{QStringLiteral("\"77x9\" не является целым числом")});
    QVERIFY(!WizardDriver().Connected);
}

// kassio-emulator announcing itself: listed once with its number, address
// and port; its row, the check and next take it on to the job page.
void TestConnectionPages::announcedRegisterIsTakenOn()
{
    auto w = makeWindow();
    goToTcpPage(*w);
    auto *page = static_cast<TfmTCPParams *>(Controller().CurrentPage);
    QVERIFY(page->Search().Active());
    const QString state = m_env->path(QStringLiteral("announcing.db"));
    EmulatorProcess announcing;
    QVERIFY2(announcing.start(state, {"--announce", "--announce-port", QString::number(page->Search().LocalPort())}),
             qPrintable(announcing.errors()));
    const QString serial = emu::EmulatedRegister(state).snapshot().serialNumber;

    auto *list = control<QTreeWidget>("ListView");
    QTRY_COMPARE_WITH_TIMEOUT(list->topLevelItemCount(), 1, 5000);
    QTest::qWait(2200); // two more announcements: still one row
    QCOMPARE(list->topLevelItemCount(), 1);
    QTreeWidgetItem *row = list->topLevelItem(0);
    QCOMPARE((QStringList{row->text(0), row->text(1), row->text(2)}),
             (QStringList{serial, QStringLiteral("127.0.0.1"), QString::number(announcing.port())}));

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(row).center());
    control<QPushButton>("btnCheckConnection")->click();
    QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join(u'\n')));
    QVERIFY(button(*w, "btnNext")->isEnabled());
    button(*w, "btnNext")->click();
    QCOMPARE(current(), QStringLiteral("TfmSelectWorkType"));
    QCOMPARE(control<QLabel>("lblDevice")->text(),
             emu::findModel(emu::defaultModelId())->description + QStringLiteral(", зав. номер ") + serial);
}

void TestConnectionPages::udpRowOnlyFillsAddressAndPort()
{
    auto w = makeWindow();
    goToTcpPage(*w);
    auto *page = static_cast<TfmTCPParams *>(Controller().CurrentPage);
    QVERIFY(page->Search().Active());
    QUdpSocket sender;
    for (int i = 0; i < 3; ++i)
        sender.writeDatagram(QByteArray("SN:00106300000001;IP:10.1.2.3;port:7781"), QHostAddress::LocalHost,
                             page->Search().LocalPort());
    auto *list = control<QTreeWidget>("ListView");
    QTRY_COMPARE_WITH_TIMEOUT(list->topLevelItemCount(), 1, 3000);
    QTest::qWait(100);
    QCOMPARE(list->topLevelItemCount(), 1);
    QTreeWidgetItem *row = list->topLevelItem(0);
    QCOMPARE((QStringList{row->text(0), row->text(1), row->text(2)}),
             (QStringList{"00106300000001", "10.1.2.3", "7781"}));

    const QRect rect = list->visualItemRect(row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(control<QLineEdit>("edtIP")->text(), QStringLiteral("10.1.2.3"));
    QCOMPARE(control<QLineEdit>("edtTCPPort")->text(), QStringLiteral("7781"));
    QVERIFY(!button(*w, "btnNext")->isEnabled());
    QVERIFY(Controller().KKTSN.isEmpty());

    // Back stops listening and leaves next enabled on the port type page.
    button(*w, "btnPrev")->click();
    QCOMPARE(current(), QStringLiteral("TfmSelectPortType"));
    QVERIFY(!page->Search().Active());
    QVERIFY(button(*w, "btnNext")->isEnabled());
}

QTEST_MAIN(TestConnectionPages)
#include "tst_connectionpages.moc"
