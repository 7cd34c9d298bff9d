// The wizard's driver access against the built-in emulator: model-dependent
// table numbers, tolerant reads, writes by field type, the FFD version on
// both kinds of register, and tags sent while the register is busy.
#include "KassioTestEnv.h"

#include "emulator/EmulatedRegister.h"
#include "emulator/FiscalDrive.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/shell/WizardErrors.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QtTest>

class TestWizardDriver : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void logicalTablesFollowModelParameters_data();
    void logicalTablesFollowModelParameters();
    void tableAccessGoesToTheResolvedTable();
    void tolerantReadsGiveEmptyOnlyForMissingFields();
    void writeIntFollowsFieldType();
    void deviceFFD_data();
    void deviceFFD();
    void failedModelParameterReadIsNotAnAnswer();
    void tagWhileBusy_data();
    void tagWhileBusy();
    void busyForeverEndsInTheBusyError();

private:
    void useModel(int model);
    QString errorText(int code) const { return QStringLiteral("Ошибка %1, %2").arg(code).arg(emu::errorDescription(code)); }

    std::unique_ptr<KassioTestEnv> m_env;
    std::shared_ptr<emu::EmulatedRegister> m_register;
};

void TestWizardDriver::initTestCase()
{
    m_env = std::make_unique<KassioTestEnv>();
    m_register = emu::EmulatedRegister::shared(emu::EmulatedRegister::defaultStateFile());
}

void TestWizardDriver::init()
{
    useModel(emu::defaultModelId());
}

void TestWizardDriver::cleanupTestCase()
{
    FreeWizardDriver();
}

void TestWizardDriver::useModel(int model)
{
    QVERIFY(m_register->factoryReset(model));
    WizardDriver().Disconnect();
}

void TestWizardDriver::logicalTablesFollowModelParameters_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("logical");
    QTest::addColumn<int>("physical");
    QTest::newRow("150: 18 stays 18") << 150 << 18 << 18;
    QTest::newRow("150: 19 stays 19") << 150 << 19 << 19;
    QTest::newRow("150: 24 stays 24") << 150 << 24 << 24;
    QTest::newRow("254: 18 is 25") << 254 << 18 << 25;
    QTest::newRow("254: 19 is 26") << 254 << 19 << 26;
    QTest::newRow("254: 24 is 27") << 254 << 24 << 27;
    QTest::newRow("254: 17 unchanged") << 254 << 17 << 17;
    QTest::newRow("151: no OFD table") << 151 << 19 << 0;
}

void TestWizardDriver::logicalTablesFollowModelParameters()
{
    QFETCH(int, model);
    QFETCH(int, logical);
    QFETCH(int, physical);
    useModel(model);
    QCOMPARE(ResolveTableNumber(logical), physical);
}

void TestWizardDriver::tableAccessGoesToTheResolvedTable()
{
    useModel(254);
    const QString user = QStringLiteral("ООО \"Ромашка\"");
    TableWriteStr(18, 1, 7, user);
    QCOMPARE(TableReadStr(18, 1, 7), user);
    // Physically the registration table is 25 on this model; 18 is another table.
    TKassio &d = WizardDriver();
    d.TableNumber = 25;
    d.RowNumber = 1;
    d.FieldNumber = 7;
    QCOMPARE(d.ReadTable(), 0);
    QCOMPARE(d.ValueOfFieldString, user);
    d.TableNumber = 18;
    d.FieldNumber = 1;
    QCOMPARE(d.ReadTable(), 0);
    QVERIFY(d.ValueOfFieldString != user);
}

void TestWizardDriver::tolerantReadsGiveEmptyOnlyForMissingFields()
{
    useModel(151);
    // Field 40 of the registration table does not exist: code 93.
    QCOMPARE(TableReadStrDef(18, 1, 40), QString());
    QCOMPARE(TableReadIntDef(18, 1, 40), 0);
    try {
        TableReadStr(18, 1, 40);
        QFAIL("a strict read of a missing field must fail");
    } catch (const EWizardError &e) {
        QCOMPARE(e.Message(), errorText(93));
    }
    // Any other error still raises.
    QVERIFY(m_register->injectFault(QStringLiteral("ReadTable"), 33, 1));
    QVERIFY_THROWS_EXCEPTION(EWizardError, TableReadStrDef(18, 1, 13));
    // And a field that exists is read as it is.
    QCOMPARE(TableReadStrDef(18, 1, 13), QStringLiteral("www.nalog.gov.ru"));
}

void TestWizardDriver::writeIntFollowsFieldType()
{
    // Field 2 (user INN) is a text field, field 16 (agent bits) a number.
    TableWriteInt(18, 1, 2, 7712345);
    QCOMPARE(TableReadStr(18, 1, 2), QStringLiteral("7712345"));
    TableWriteInt(18, 1, 16, 5);
    QCOMPARE(TableReadInt(18, 1, 16), 5);
}

void TestWizardDriver::deviceFFD_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("mode"); // table 17 field 3 afterwards, -1: not looked at
    QTest::newRow("table-10 kind: 1.0 new stored as 0") << 19 << 1 << 10 << 29 << 0 << -1;
    QTest::newRow("table-10 kind: 1.05") << 19 << 2 << 10 << 29 << 2 << -1;
    QTest::newRow("table-17 kind: 1.0 new") << 150 << 1 << 17 << 17 << 1 << 2;
    QTest::newRow("table-17 kind: 1.2") << 150 << 4 << 17 << 17 << 4 << 2;
}

void TestWizardDriver::deviceFFD()
{
    QFETCH(int, model);
    QFETCH(int, value);
    QFETCH(int, table);
    QFETCH(int, field);
    QFETCH(int, stored);
    QFETCH(int, mode);
    useModel(model);
    QCOMPARE(UsesTable10(), table == 10);
    if (table == 17)
        TableWriteInt(17, 1, 3, 0);
    WriteDeviceFFD(value);
    QCOMPARE(TableReadInt(table, 1, field), stored);
    if (mode >= 0)
        QCOMPARE(TableReadInt(17, 1, 3), mode);
    // The current version is read where this kind keeps it.
    QCOMPARE(ReadDeviceFFD(), TableReadInt(table, 1, table == 10 ? 4 : 17));
}

void TestWizardDriver::failedModelParameterReadIsNotAnAnswer()
{
    // Model 150 answers "true" for parameter 28; a failing read right after
    // must not reuse that answer.
    QVERIFY(!ModelParam28NotTrue());
    QVERIFY(m_register->injectFault(QStringLiteral("ReadModelParamValue"), 33, 1));
    QVERIFY(ModelParam28NotTrue());
}

void TestWizardDriver::tagWhileBusy_data()
{
    QTest::addColumn<int>("busy80");
    QTest::addColumn<int>("busy75");
    QTest::addColumn<int>("finalError"); // 0: the register then accepts the tag
    QTest::newRow("80 twice then accepted") << 2 << 0 << 0;
    QTest::newRow("80 and 75 then accepted") << 1 << 2 << 0;
    QTest::newRow("busy then bad parameter") << 2 << 1 << 33;
}

void TestWizardDriver::tagWhileBusy()
{
    QFETCH(int, busy80);
    QFETCH(int, busy75);
    QFETCH(int, finalError);
    QVERIFY(m_register->injectFault(QStringLiteral("FNSendTag"), 80, busy80));
    QVERIFY(m_register->injectFault(QStringLiteral("FNSendTag"), 75, busy75));
    QVERIFY(m_register->injectFault(QStringLiteral("FNSendTag"), finalError, finalError ? 1 : 0));
    const QString text = QStringLiteral("Иванов И.И.");
    if (finalError) {
        try {
            SendTagString(1021, text);
            QFAIL("the tag must fail with the register's error");
        } catch (const EWizardError &e) {
            QCOMPARE(e.Message(), errorText(finalError));
        }
        QVERIFY(emu::FiscalDrive::load(m_register->snapshot(), QDateTime::currentDateTime()).pendingTags.isEmpty());
        return;
    }
    SendTagString(1021, text);
    SendTagByte(1057, 4);
    const QJsonArray tags = emu::FiscalDrive::load(m_register->snapshot(), QDateTime::currentDateTime()).pendingTags;
    QCOMPARE(tags.size(), 2);
    QCOMPARE(tags[0].toObject().value(QStringLiteral("tag")).toInt(), 1021);
    QCOMPARE(tags[0].toObject().value(QStringLiteral("value")).toString(), text);
    QCOMPARE(tags[1].toObject().value(QStringLiteral("type")).toInt(), 0);
    QCOMPARE(tags[1].toObject().value(QStringLiteral("value")).toInt(), 4);
}

void TestWizardDriver::busyForeverEndsInTheBusyError()
{
    QVERIFY(m_register->injectFault(QStringLiteral("FNSendTag"), 80, 100000));
    QElapsedTimer clock;
    clock.start();
    try {
        SendTagByte(1057, 1);
        QFAIL("a register that stays busy must end in its busy error");
    } catch (const EWizardError &e) {
        QCOMPARE(e.Message(), errorText(80));
    }
    QVERIFY(clock.elapsed() >= BusyWaitLimitMs - BusyPauseMs);
    QVERIFY(clock.elapsed() < BusyWaitLimitMs + 2000);
}

QTEST_GUILESS_MAIN(TestWizardDriver)
#include "tst_wizarddriver.moc"
