// ShowProperties in a program without widgets shows nothing and says so.
#include "KassioTestEnv.h"

#include "driver/Kassio.h"
#include "driver/PropertiesDialog.h"

#include <QCoreApplication>
#include <QtTest>

class TestPropertiesDialogConsole : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { m_env = std::make_unique<KassioTestEnv>(); }
    void refusesWithoutWidgets_data();
    void refusesWithoutWidgets();

private:
    std::unique_ptr<KassioTestEnv> m_env;
};

void TestPropertiesDialogConsole::refusesWithoutWidgets_data()
{
    QTest::addColumn<bool>("coreApplication");
    QTest::newRow("no application") << false;
    QTest::newRow("QCoreApplication") << true;
}

void TestPropertiesDialogConsole::refusesWithoutWidgets()
{
    QFETCH(bool, coreApplication);
    int argc = 1;
    char name[] = "tst";
    char *argv[] = {name, nullptr};
    std::unique_ptr<QCoreApplication> app;
    if (coreApplication)
        app = std::make_unique<QCoreApplication>(argc, argv);

    TKassio driver;
    driver.TCPPort = 4321;
    QCOMPARE(kassio::showPropertiesDialog(driver), kassio::rc::NoUserInterface);
    QCOMPARE(driver.ShowProperties(), kassio::rc::NoUserInterface);
    QCOMPARE(driver.ResultCode, kassio::rc::NoUserInterface);
    QCOMPARE(driver.TCPPort, 4321);
}

QTEST_APPLESS_MAIN(TestPropertiesDialogConsole)
#include "tst_propertiesdialog_console.moc"
