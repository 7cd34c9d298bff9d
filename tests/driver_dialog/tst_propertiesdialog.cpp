// The component's settings dialog driven headless: OK and Cancel, the port
// map editor, the connection check and the emulator's service actions.
#include "KassioTestEnv.h"

#include "driver/ComponentSettings.h"
#include "driver/Kassio.h"
#include "driver/PortMap.h"
#include "driver/PropertiesDialogForm.h"
#include "emulator/EmulatedRegister.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using kassio::PortMap;

namespace {

template <class W>
W *control(QWidget *dialog, const char *name)
{
    auto *w = dialog->findChild<W *>(QLatin1String(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

void selectData(QWidget *dialog, const char *combo, int value)
{
    auto *cb = control<QComboBox>(dialog, combo);
    const int index = cb->findData(value);
    QVERIFY2(index >= 0, qPrintable(QStringLiteral("%1 has no %2").arg(QLatin1String(combo)).arg(value)));
    cb->setCurrentIndex(index);
}

std::optional<QString> userEntry(int com)
{
    for (const auto &e : PortMap::entries())
        if (e.comNumber == com && e.user)
            return e.path;
    return std::nullopt;
}

struct Connection {
    int type, com, baud, tcpPort, timeout, password;
    QString ip;
};

Connection connectionOf(const TKassio &k)
{
    return {k.ConnectionType, k.ComNumber, k.BaudRate, k.TCPPort, k.Timeout, k.Password, k.IPAddress};
}

bool operator==(const Connection &a, const Connection &b)
{
    return std::tie(a.type, a.com, a.baud, a.tcpPort, a.timeout, a.password, a.ip)
        == std::tie(b.type, b.com, b.baud, b.tcpPort, b.timeout, b.password, b.ip);
}

char *toString(const Connection &c)
{
    return QTest::toString(QStringLiteral("type %1 COM%2 baud %3 %4:%5 timeout %6 password %7")
                               .arg(c.type).arg(c.com).arg(c.baud).arg(c.ip).arg(c.tcpPort).arg(c.timeout)
                               .arg(c.password));
}

int otherModelId(int than)
{
    for (const auto &m : emu::models())
        if (m.id != than)
            return m.id;
    return 0;
}

} // namespace

class TestPropertiesDialog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void okAndCancel_data();
    void okAndCancel();
    void okNeedsPasswordAndAddress_data();
    void okNeedsPasswordAndAddress();
    void connectionCheck_data();
    void connectionCheck();
    void emulatorActionsFollowSelection_data();
    void emulatorActionsFollowSelection();
    void factoryResetChangesModel();

private:
    std::unique_ptr<KassioTestEnv> m_env;
    std::shared_ptr<emu::EmulatedRegister> m_register;
};

void TestPropertiesDialog::initTestCase()
{
    m_env = std::make_unique<KassioTestEnv>();
    QVERIFY(emu::models().size() >= 2);
}

void TestPropertiesDialog::init()
{
    kassio::componentSettings()->clear();
    m_register = emu::EmulatedRegister::shared(emu::EmulatedRegister::defaultStateFile());
    QVERIFY(m_register->factoryReset(emu::defaultModelId()));
}

void TestPropertiesDialog::okAndCancel_data()
{
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

// Through ShowProperties and a real modal loop: the values reach the instance
// and the stored settings only on OK; port map edits are undone on Cancel.
void TestPropertiesDialog::okAndCancel()
{
    QFETCH(bool, ok);
    PortMap::setUserEntry(201, QStringLiteral("/dev/pts/1"));
    QWidget mainWindow;
    mainWindow.show();
    QApplication::setActiveWindow(&mainWindow);
    QVERIFY(QTest::qWaitForWindowActive(&mainWindow));

    TKassio driver;
    const Connection before = connectionOf(driver);
    const Connection edited{6, 201, 9, 7001, 3500, 12345, QStringLiteral("192.168.7.5")};

    bool seen = false;
    QTimer::singleShot(0, this, [&] {
        // A failed check returns early: close the dialog so the test goes on.
        const auto closeLeftOpen = qScopeGuard([] {
            if (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                d->reject();
        });
        QWidget *dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        seen = true;
        QCOMPARE(dialog->parentWidget(), &mainWindow);
        // Shows the instance's values.
        QCOMPARE(control<QComboBox>(dialog, "cbConnectionType")->currentData().toInt(), before.type);
        QCOMPARE(control<QComboBox>(dialog, "cbComNumber")->currentText(),
                 QStringLiteral("COM1 — встроенный эмулятор ККТ"));
        QCOMPARE(control<QLineEdit>(dialog, "edtPassword")->text(), QString::number(before.password));

        // Port map: add COM200, remove COM201.
        control<QSpinBox>(dialog, "sePortMapCom")->setValue(200);
        control<QLineEdit>(dialog, "edtPortMapPath")->setText(QStringLiteral("/dev/pts/77"));
        control<QPushButton>(dialog, "btnPortMapAssign")->click();
        QCOMPARE(control<QComboBox>(dialog, "cbComNumber")->currentText(), QStringLiteral("COM200 — /dev/pts/77"));
        QCOMPARE(userEntry(200), std::optional<QString>(QStringLiteral("/dev/pts/77")));
        control<QSpinBox>(dialog, "sePortMapCom")->setValue(201);
        control<QPushButton>(dialog, "btnPortMapRemove")->click();
        QCOMPARE(userEntry(201), std::nullopt);
        // Reassigning COM201 in the same session still undoes to the first path.
        control<QLineEdit>(dialog, "edtPortMapPath")->setText(QStringLiteral("/dev/pts/2"));
        control<QPushButton>(dialog, "btnPortMapAssign")->click();
        QCOMPARE(userEntry(201), std::optional<QString>(QStringLiteral("/dev/pts/2")));

        selectData(dialog, "cbConnectionType", edited.type);
        selectData(dialog, "cbComNumber", edited.com);
        control<QComboBox>(dialog, "cbBaudRate")->setCurrentIndex(edited.baud);
        QCOMPARE(control<QComboBox>(dialog, "cbBaudRate")->currentText(), QStringLiteral("921600"));
        control<QLineEdit>(dialog, "edtIPAddress")->setText(edited.ip);
        control<QSpinBox>(dialog, "seTCPPort")->setValue(edited.tcpPort);
        control<QSpinBox>(dialog, "seTimeout")->setValue(edited.timeout);
        control<QLineEdit>(dialog, "edtPassword")->setText(QString::number(edited.password));
        control<QPushButton>(dialog, ok ? "btnOK" : "btnCancel")->click();
    });
    QCOMPARE(driver.ShowProperties(), 0);
    QVERIFY(seen);
    QVERIFY(!QApplication::activeModalWidget());

    const Connection expected = ok ? edited : before;
    QCOMPARE(connectionOf(driver), expected);
    TKassio fresh;
    QCOMPARE(connectionOf(fresh), expected);
    if (ok) {
        QCOMPARE(userEntry(200), std::optional<QString>(QStringLiteral("/dev/pts/77")));
        QCOMPARE(userEntry(201), std::optional<QString>(QStringLiteral("/dev/pts/2")));
    } else {
        QCOMPARE(userEntry(200), std::nullopt);
        QCOMPARE(userEntry(201), std::optional<QString>(QStringLiteral("/dev/pts/1")));
    }
}

void TestPropertiesDialog::okNeedsPasswordAndAddress_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("COM, password") << 0 << QString() << QStringLiteral("30") << true;
    QTest::newRow("COM, no password") << 0 << QStringLiteral("10.0.0.1") << QString() << false;
    QTest::newRow("TCP, address") << 6 << QStringLiteral("10.0.0.1") << QStringLiteral("30") << true;
    QTest::newRow("TCP, no address") << 6 << QStringLiteral("  ") << QStringLiteral("30") << false;
}

void TestPropertiesDialog::okNeedsPasswordAndAddress()
{
    QFETCH(int, type);
    QFETCH(QString, ip);
    QFETCH(QString, password);
    QFETCH(bool, enabled);
    TKassio driver;
    const Connection before = connectionOf(driver);
    TfmProperties dialog(driver);
    selectData(&dialog, "cbConnectionType", type);
    control<QLineEdit>(&dialog, "edtIPAddress")->setText(ip);
    control<QLineEdit>(&dialog, "edtPassword")->setText(password);
    QCOMPARE(control<QPushButton>(&dialog, "btnOK")->isEnabled(), enabled);
    dialog.accept(); // Enter on a default button that is off must not save either
    QCOMPARE(connectionOf(driver) == before, !enabled);
}

void TestPropertiesDialog::connectionCheck_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("com");
    QTest::addColumn<QString>("expected"); // the result line's start
    QTest::newRow("built-in emulator") << 0 << 1 << QStringLiteral("(0) ");
    QTest::newRow("unmapped COM") << 0 << 250 << QStringLiteral("(-2) ");
    QTest::newRow("remote computer") << 1 << 1 << QStringLiteral("(-5) Тип подключения не поддерживается");
}

// The check uses the dialog's values on its own instance; the caller's stays as it was.
void TestPropertiesDialog::connectionCheck()
{
    QFETCH(int, type);
    QFETCH(int, com);
    QFETCH(QString, expected);
    PortMap::setUserEntry(250, QStringLiteral("/dev/pts/250"));
    TKassio driver;
    TfmProperties dialog(driver);
    PortMap::removeUserEntry(250); // listed in the dialog, gone from the map
    const Connection before = connectionOf(driver);
    selectData(&dialog, "cbConnectionType", type);
    selectData(&dialog, "cbComNumber", com);
    control<QPushButton>(&dialog, "btnCheckConnection")->click();

    const QString result = control<QLabel>(&dialog, "lblCheckResult")->text();
    QVERIFY2(result.startsWith(expected), qPrintable(result));
    if (expected == QStringLiteral("(0) ")) {
        const auto *model = emu::findModel(emu::defaultModelId());
        QVERIFY(model);
        QVERIFY2(result.endsWith(u'\n' + model->description), qPrintable(result));
    }
    QCOMPARE(connectionOf(driver), before);
    QVERIFY(!driver.Connected);
}

void TestPropertiesDialog::emulatorActionsFollowSelection_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("com");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("COM1, built-in") << 0 << 1 << true;
    QTest::newRow("emulator with own state file") << 0 << 202 << true;
    QTest::newRow("device path") << 0 << 203 << false;
    QTest::newRow("TCP") << 6 << 1 << false;
    QTest::newRow("remote computer") << 1 << 1 << false;
}

void TestPropertiesDialog::emulatorActionsFollowSelection()
{
    QFETCH(int, type);
    QFETCH(int, com);
    QFETCH(bool, enabled);
    PortMap::setUserEntry(202, QStringLiteral("emulator:") + m_env->path(QStringLiteral("own.db")));
    PortMap::setUserEntry(203, QStringLiteral("/dev/pts/203"));
    TKassio driver;
    TfmProperties dialog(driver);
    selectData(&dialog, "cbConnectionType", type);
    selectData(&dialog, "cbComNumber", com);
    QCOMPARE(control<QGroupBox>(&dialog, "grpEmulator")->isEnabled(), enabled);
    for (const char *name : {"btnFactoryReset", "btnNewFN"})
        QCOMPARE(control<QPushButton>(&dialog, name)->isEnabled(), enabled);
}

// The model choice takes effect through a confirmed factory reset, seen by an
// instance that was already connected.
void TestPropertiesDialog::factoryResetChangesModel()
{
    TKassio driver;
    QCOMPARE(driver.GetDeviceMetrics(), 0);
    const int initial = driver.UModel;
    QCOMPARE(initial, emu::defaultModelId());
    const int chosen = otherModelId(initial);

    TfmProperties dialog(driver);
    QStringList questions;
    bool answer = false;
    dialog.setConfirmer([&](const QString &q) {
        questions << q;
        return answer;
    });
    QCOMPARE(control<QComboBox>(&dialog, "cbModel")->currentData().toInt(), initial);
    selectData(&dialog, "cbModel", chosen);

    control<QPushButton>(&dialog, "btnFactoryReset")->click();
    QCOMPARE(questions.size(), 1);
    QVERIFY2(questions.first().contains(QStringLiteral("Смена модели")), qPrintable(questions.first()));
    QCOMPARE(m_register->snapshot().modelId, initial); // declined

    answer = true;
    control<QPushButton>(&dialog, "btnFactoryReset")->click();
    QCOMPARE(questions.size(), 2);
    QCOMPARE(driver.GetDeviceMetrics(), 0);
    QCOMPARE(driver.UModel, chosen);
    driver.ModelParamNumber = 32;
    QCOMPARE(driver.ReadModelParamValue(), 0);
    QCOMPARE(driver.ModelParamValue.toInt(), chosen);
    QVERIFY(!control<QLabel>(&dialog, "lblServiceResult")->text().startsWith(QStringLiteral("Ошибка")));
}

QTEST_MAIN(TestPropertiesDialog)
#include "tst_propertiesdialog.moc"
