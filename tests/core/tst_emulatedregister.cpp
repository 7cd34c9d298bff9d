// The emulated register's model: persistence across instances of the state
// file, tables, printing, faults and the clock.
#include "EmulatorCalls.h"
#include "KassioTestEnv.h"

#include "emulator/EmulatedRegister.h"

#include <QFile>
#include <QtTest>

using namespace emu;
using kassio::MethodId;
using kassio::PropId;

namespace {

using emutest::output;
using emutest::run;

kassio::PropList cell(int table, int row, int field)
{
    return {{PropId::TableNumber, table, true}, {PropId::RowNumber, row, true}, {PropId::FieldNumber, field, true}};
}

} // namespace

class TestEmulatedRegister : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { m_env = std::make_unique<KassioTestEnv>(); }
    void changesAreSeenByAnotherInstance();
    void stateSurvivesReopening();
    void corruptStateFileIsAnErrorNotACrash();
    void tablesEndWith93();
    void writeOutOfRangeIsRefusedAndKeepsValue();
    void paperOutStopsPrinting();
    void faultForAnyMethod();
    void clockOffsetShowsInStatus();
    void factoryResetChangesModelAndSerial();
    void everyModelAnswersItsStatus();

private:
    QString freshFile(const QString &name)
    {
        const QString path = m_env->path(name);
        QFile::remove(path);
        return path;
    }
    std::unique_ptr<KassioTestEnv> m_env;
};

void TestEmulatedRegister::changesAreSeenByAnotherInstance()
{
    // Two instances on one file stand for two processes.
    const QString file = freshFile(QStringLiteral("shared.db"));
    EmulatedRegister a(file), b(file);
    QVERIFY(a.isOpen() && b.isOpen());
    const auto before = run(b, MethodId::ReadSerialNumber);
    QCOMPARE(before.resultCode, 0);

    QVERIFY(a.factoryReset());
    QVERIFY(a.injectFault(QStringLiteral("Beep"), 75, 1));
    const auto after = run(b, MethodId::ReadSerialNumber);
    QVERIFY(output(after, PropId::SerialNumber) != output(before, PropId::SerialNumber));
    QCOMPARE(run(b, MethodId::Beep).resultCode, 75);
    QCOMPARE(run(a, MethodId::Beep).resultCode, 0);

    auto p = QStringLiteral("из второго");
    QCOMPARE(run(b, MethodId::PrintString, {{PropId::StringForPrinting, p, true}}).resultCode, 0);
    QCOMPARE(a.tape().back().text, p);
}

void TestEmulatedRegister::stateSurvivesReopening()
{
    const QString file = freshFile(QStringLiteral("reopen.db"));
    QString serial;
    {
        EmulatedRegister r(file);
        QVERIFY(r.setPaperOut(true));
        serial = r.snapshot().serialNumber;
    }
    EmulatedRegister again(file);
    const RegisterState s = again.snapshot();
    QCOMPARE(s.serialNumber, serial);
    QVERIFY(s.paperOut);
}

void TestEmulatedRegister::corruptStateFileIsAnErrorNotACrash()
{
    const QString file = freshFile(QStringLiteral("corrupt.db"));
    {
        EmulatedRegister r(file);
        QVERIFY(r.modify([](RegisterState &) {}));
    }
    {
        StateStore store(file);
        QVERIFY(store.begin());
        QVERIFY(store.saveState("{not json"));
        QVERIFY(store.commit());
    }
    EmulatedRegister r(file);
    const auto reply = run(r, MethodId::GetECRStatus);
    QCOMPARE(reply.resultCode, code::StorageFailure);
    QVERIFY(reply.description.contains(QStringLiteral("повреждён")));
    // A factory reset makes the register usable again.
    QVERIFY(!r.factoryReset()); // the broken state cannot even be read ...
    QFile::remove(file);
}

void TestEmulatedRegister::tablesEndWith93()
{
    EmulatedRegister r(freshFile(QStringLiteral("tables.db")));
    int t = 1;
    for (; t < 200; ++t) {
        const auto reply = run(r, MethodId::GetTableStruct, {{PropId::TableNumber, t, true}});
        if (reply.resultCode != 0) {
            QCOMPARE(reply.resultCode, code::NoSuchTable);
            break;
        }
        QVERIFY(!output(reply, PropId::TableName).toString().isEmpty());
    }
    QVERIFY(t > 1);
    QCOMPARE(run(r, MethodId::ReadTable, cell(1, 9999, 1)).resultCode, code::NoSuchTable);
    QCOMPARE(run(r, MethodId::ReadTable, cell(1, 1, 9999)).resultCode, code::NoSuchTable);
    QCOMPARE(run(r, MethodId::ReadTable, cell(0, 1, 1)).resultCode, code::NoSuchTable);
}

void TestEmulatedRegister::writeOutOfRangeIsRefusedAndKeepsValue()
{
    EmulatedRegister r(freshFile(QStringLiteral("range.db")));
    const ModelDef *model = findModel(r.snapshot().modelId);
    QVERIFY(model);
    // The first number field with a finite range.
    int table = 0, field = 0;
    qint64 max = 0;
    for (const auto &t : model->tables)
        for (std::size_t f = 0; f < t.fields.size() && !table; ++f)
            if (!t.fields[f].isText && t.fields[f].max < 0x7FFFFFFF) {
                table = t.number;
                field = int(f) + 1;
                max = t.fields[f].max;
            }
    QVERIFY(table);
    const QVariant before = output(run(r, MethodId::ReadTable, cell(table, 1, field)), PropId::ValueOfFieldInteger);
    auto props = cell(table, 1, field);
    props.push_back({PropId::ValueOfFieldInteger, int(max + 1), true});
    QCOMPARE(run(r, MethodId::WriteTable, props).resultCode, code::BadParameter);
    QCOMPARE(output(run(r, MethodId::ReadTable, cell(table, 1, field)), PropId::ValueOfFieldInteger), before);
}

void TestEmulatedRegister::paperOutStopsPrinting()
{
    EmulatedRegister r(freshFile(QStringLiteral("paper.db")));
    QVERIFY(r.setPaperOut(true));
    const auto reply = run(r, MethodId::PrintString, {{PropId::StringForPrinting, QStringLiteral("x"), true}});
    QCOMPARE(reply.resultCode, code::NoReceiptPaper);
    QVERIFY(r.tape().empty());
    QCOMPARE(output(run(r, MethodId::GetShortECRStatus), PropId::ReceiptRibbonIsPresent).toBool(), false);
    QVERIFY(r.setPaperOut(false));
    QCOMPARE(run(r, MethodId::PrintString, {{PropId::StringForPrinting, QStringLiteral("x"), true}}).resultCode, 0);
}

void TestEmulatedRegister::faultForAnyMethod()
{
    EmulatedRegister r(freshFile(QStringLiteral("faults.db")));
    QVERIFY(r.injectFault(QStringLiteral("*"), 50, 2));
    QCOMPARE(run(r, MethodId::GetECRStatus).resultCode, 50);
    QCOMPARE(run(r, MethodId::Beep).resultCode, 50);
    QCOMPARE(run(r, MethodId::Beep).resultCode, 0);
}

void TestEmulatedRegister::clockOffsetShowsInStatus()
{
    EmulatedRegister r(freshFile(QStringLiteral("clock.db")));
    QVERIFY(r.setClockOffset(65 * 1000));
    const QDateTime shown = output(run(r, MethodId::GetECRStatus), PropId::Time).toDateTime();
    const qint64 diff = QDateTime::currentDateTime().secsTo(shown);
    QVERIFY2(diff >= 63 && diff <= 67, qPrintable(QString::number(diff)));
}

void TestEmulatedRegister::factoryResetChangesModelAndSerial()
{
    EmulatedRegister r(freshFile(QStringLiteral("models.db")));
    const auto &all = models();
    QVERIFY(all.size() >= 2);
    const RegisterState before = r.snapshot();
    const int other = all[0].id == before.modelId ? all[1].id : all[0].id;
    QVERIFY(r.factoryReset(other));
    const RegisterState after = r.snapshot();
    QCOMPARE(after.modelId, other);
    QVERIFY(after.serialNumber != before.serialNumber);
    QCOMPARE(output(run(r, MethodId::GetDeviceMetrics), PropId::UModel).toInt(), other);
    const auto param = run(r, MethodId::ReadModelParamValue, {{PropId::ModelParamNumber, 32, true}});
    QCOMPARE(output(param, PropId::ModelParamValue).toInt(), other);
}

void TestEmulatedRegister::everyModelAnswersItsStatus()
{
    EmulatedRegister r(freshFile(QStringLiteral("each.db")));
    for (const auto &m : models()) {
        QVERIFY(r.factoryReset(m.id));
        const auto status = run(r, MethodId::GetECRStatus);
        QCOMPARE(status.resultCode, 0);
        QVERIFY(!output(status, PropId::ECRModeDescription).toString().isEmpty());
        const auto font = run(r, MethodId::GetFontMetrics, {{PropId::FontType, m.fonts.front().number, true}});
        QCOMPARE(font.resultCode, 0);
    }
}

QTEST_GUILESS_MAIN(TestEmulatedRegister)
#include "tst_emulatedregister.moc"
