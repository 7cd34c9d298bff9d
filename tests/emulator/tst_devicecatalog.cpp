// Invariants of the emulated register's catalogue that the driver, the test
// bench and the wizard rely on.
#include "emulator/DeviceCatalog.h"

#include <QDate>
#include <QSet>
#include <QTest>

#include <set>

using namespace emu;

namespace {

const QList<int> type2Ids{16, 19, 20, 21, 27, 28, 29, 30, 32, 33, 34, 35, 36, 38, 39, 40, 41, 42, 45, 46};

const ModelParamDef *param(const ModelDef &m, int number)
{
    for (const auto &p : m.params)
        if (p.number == number)
            return &p;
    return nullptr;
}

int intParam(const ModelDef &m, int number)
{
    const ModelParamDef *p = param(m, number);
    return p ? p->value.toInt() : -1;
}

const TableDef *table(const ModelDef &m, int number)
{
    if (number < 1 || number > static_cast<int>(m.tables.size()))
        return nullptr;
    return &m.tables[static_cast<std::size_t>(number - 1)];
}

// Fails the test with a message unless table t has field f of the given kind.
bool hasField(const ModelDef &m, int t, int f, bool isText, QString &why)
{
    const TableDef *def = table(m, t);
    if (!def) {
        why = QStringLiteral("model %1: no table %2").arg(m.id).arg(t);
        return false;
    }
    if (f > static_cast<int>(def->fields.size())) {
        why = QStringLiteral("model %1: table %2 has no field %3").arg(m.id).arg(t).arg(f);
        return false;
    }
    if (def->fields[static_cast<std::size_t>(f - 1)].isText != isText) {
        why = QStringLiteral("model %1: table %2 field %3 is not a %4 field")
                  .arg(m.id).arg(t).arg(f).arg(isText ? "text" : "number");
        return false;
    }
    return true;
}

// Checks one factory value against its field; empty when it fits.
QString valueProblem(const FieldDef &f, const QVariant &v)
{
    if (f.isText) {
        if (v.typeId() != QMetaType::QString)
            return QStringLiteral("text field '%1' has a non-text value").arg(f.name);
        if (v.toString().size() > f.size)
            return QStringLiteral("text of '%1' is longer than %2").arg(f.name).arg(f.size);
        return {};
    }
    if (v.typeId() != QMetaType::LongLong)
        return QStringLiteral("number field '%1' has a value that is not qint64").arg(f.name);
    const qint64 x = v.toLongLong();
    if (x < f.min || x > f.max)
        return QStringLiteral("value %1 of '%2' outside [%3, %4]").arg(x).arg(f.name).arg(f.min).arg(f.max);
    return {};
}

void addModelRows()
{
    QTest::addColumn<int>("id");
    for (const auto &m : models())
        QTest::newRow(qPrintable(QStringLiteral("model %1").arg(m.id))) << m.id;
}

} // namespace

class TestDeviceCatalog : public QObject {
    Q_OBJECT

private slots:
    void modelSet()
    {
        std::set<int> ids;
        for (const auto &m : models()) {
            QVERIFY2(ids.insert(m.id).second, qPrintable(QStringLiteral("duplicate model %1").arg(m.id)));
            QCOMPARE(findModel(m.id), &m);
            QVERIFY(!m.description.isEmpty());
            QVERIFY(m.description.startsWith(QStringLiteral("КАССИО")));
            QVERIFY(QDate::fromString(m.firmwareDate, Qt::ISODate).isValid());
        }
        QCOMPARE(ids, (std::set<int>{19, 110, 150, 151, 254}));
        QCOMPARE(findModel(0), nullptr);
        QCOMPARE(findModel(999), nullptr);

        const ModelDef *def = findModel(defaultModelId());
        QVERIFY(def);
        QVERIFY(def->hasFiscalDrive);
        QVERIFY(!type2Ids.contains(def->id));
        QVERIFY(intParam(*def, 73) > 0);
        // The wizard refuses registers whose firmware predates 2018-10-24.
        QVERIFY(QDate::fromString(def->firmwareDate, Qt::ISODate) >= QDate(2018, 10, 24));
    }

    // Kind of each model: fiscal drive, table-10 kind (model parameter 28
    // false), OFD table present.
    void modelKinds_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("fn");
        QTest::addColumn<bool>("table10Kind");
        QTest::addColumn<bool>("ofd");
        QTest::newRow("default") << 150 << true << false << true;
        QTest::newRow("second type") << 19 << true << true << true;
        QTest::newRow("key updates") << 254 << true << false << true;
        QTest::newRow("autonomous") << 151 << true << false << false;
        QTest::newRow("fiscal memory") << 110 << false << false << false;
    }

    void modelKinds()
    {
        QFETCH(int, id);
        QFETCH(bool, fn);
        QFETCH(bool, table10Kind);
        QFETCH(bool, ofd);
        const ModelDef *m = findModel(id);
        QVERIFY(m);
        QCOMPARE(m->hasFiscalDrive, fn);
        QCOMPARE(param(*m, 71)->value, QVariant(fn));
        QCOMPARE(intParam(*m, 73) > 0, ofd);
        if (fn) {
            // The test bench decides by model id, the wizard by parameter 28:
            // both must name the same kind.
            QCOMPARE(type2Ids.contains(id), table10Kind);
            QCOMPARE(param(*m, 28)->value, QVariant(!table10Kind));
        }
    }

    void tablesNumberedWithoutGaps_data() { addModelRows(); }

    void tablesNumberedWithoutGaps()
    {
        QFETCH(int, id);
        const ModelDef &m = *findModel(id);
        QVERIFY(!m.tables.empty());
        QSet<QString> names;
        for (std::size_t i = 0; i < m.tables.size(); ++i) {
            const TableDef &t = m.tables[i];
            QCOMPARE(t.number, static_cast<int>(i) + 1);
            QVERIFY2(!t.name.isEmpty(), qPrintable(QString::number(t.number)));
            QVERIFY2(!names.contains(t.name), qPrintable(t.name));
            names.insert(t.name);
            QVERIFY2(t.rows >= 1, qPrintable(t.name));
            QVERIFY2(!t.fields.empty(), qPrintable(t.name));
        }
    }

    void factoryValuesFitFields_data() { addModelRows(); }

    void factoryValuesFitFields()
    {
        QFETCH(int, id);
        const ModelDef &m = *findModel(id);
        for (const TableDef &t : m.tables) {
            for (const FieldDef &f : t.fields) {
                const QString where = QStringLiteral("table %1 '%2': ").arg(t.number).arg(f.name);
                QVERIFY2(!f.name.isEmpty(), qPrintable(where));
                QVERIFY2(f.size >= 1, qPrintable(where + "size"));
                if (!f.isText) {
                    QVERIFY2(f.size <= 4, qPrintable(where + "size"));
                    QVERIFY2(f.min <= f.max, qPrintable(where + "min > max"));
                    QVERIFY2(f.min >= 0 && f.max < (qint64(1) << (8 * f.size)), qPrintable(where + "limits exceed size"));
                }
                const QString problem = valueProblem(f, f.initial);
                QVERIFY2(problem.isEmpty(), qPrintable(where + problem));
            }
            for (const CellDef &c : t.rowValues) {
                const QString where = QStringLiteral("table %1 row %2 field %3: ").arg(t.number).arg(c.row).arg(c.field);
                QVERIFY2(c.row >= 1 && c.row <= t.rows, qPrintable(where + "no such row"));
                QVERIFY2(c.field >= 1 && c.field <= static_cast<int>(t.fields.size()), qPrintable(where + "no such field"));
                const QString problem = valueProblem(t.fields[static_cast<std::size_t>(c.field - 1)], c.value);
                QVERIFY2(problem.isEmpty(), qPrintable(where + problem));
                QCOMPARE(factoryValue(t, c.row, c.field), c.value);
            }
        }
    }

    void factoryValueLookup()
    {
        const ModelDef &m = *findModel(defaultModelId());
        const TableDef &passwords = m.tables.at(1);
        // Row 30 is the system administrator, with the default password.
        QCOMPARE(factoryValue(passwords, 30, 1).toInt(), intParam(m, 37));
        QCOMPARE(factoryValue(passwords, 30, 2).toString(), QStringLiteral("СИС. АДМИНИСТРАТОР"));
        QCOMPARE(factoryValue(passwords, 1, 2).toString(), QStringLiteral("КАССИР 1"));
        // A cell without a row value falls back to the field's factory value.
        const TableDef &settings = m.tables.at(0);
        QCOMPARE(factoryValue(settings, 1, 16), settings.fields.at(15).initial);
        QVERIFY(!factoryValue(settings, 0, 1).isValid());
        QVERIFY(!factoryValue(settings, 2, 1).isValid());
        QVERIFY(!factoryValue(settings, 1, 0).isValid());
        QVERIFY(!factoryValue(settings, 1, static_cast<int>(settings.fields.size()) + 1).isValid());
    }

    void paramsCompleteAndTyped_data() { addModelRows(); }

    void paramsCompleteAndTyped()
    {
        QFETCH(int, id);
        const ModelDef &m = *findModel(id);
        const QList<int> ints{12, 24, 25, 27, 29, 30, 31, 32, 33, 36, 37, 38, 39, 43, 53, 55, 56, 72, 73, 75};
        int previous = 0;
        for (const auto &p : m.params) {
            QVERIFY2(p.number > previous, "parameters must be ordered and unique");
            previous = p.number;
            QVERIFY(!p.description.isEmpty());
            const auto expected = ints.contains(p.number) ? QMetaType::Int : QMetaType::Bool;
            QVERIFY2(p.value.typeId() == expected, qPrintable(QStringLiteral("parameter %1").arg(p.number)));
        }
        for (int n = 1; n <= 57; ++n)
            QVERIFY2(param(m, n), qPrintable(QStringLiteral("parameter %1 missing").arg(n)));
        QVERIFY(param(m, 71) && param(m, 72) && param(m, 73));
        QCOMPARE(intParam(m, 32), m.id);
        QCOMPARE(intParam(m, 37), 30);
    }

    void logicalTablesResolve_data() { addModelRows(); }

    void logicalTablesResolve()
    {
        QFETCH(int, id);
        const ModelDef &m = *findModel(id);
        QString why;
        const int fs = intParam(m, 72);
        QVERIFY2(table(m, fs), "parameter 72 names no table");
        if (m.hasFiscalDrive) {
            for (int f : {1, 2, 3, 4, 7, 8, 9, 10, 11, 12, 13, 14, 15})
                QVERIFY2(hasField(m, fs, f, true, why), qPrintable(why));
            for (int f : {16, 21, 22})
                QVERIFY2(hasField(m, fs, f, false, why), qPrintable(why));
        }
        const int ofd = intParam(m, 73);
        if (ofd != 0) {
            QVERIFY2(hasField(m, ofd, 1, true, why) && hasField(m, ofd, 2, false, why), qPrintable(why));
            QVERIFY2(hasField(m, ofd, 5, true, why) && hasField(m, ofd, 6, false, why), qPrintable(why));
        }
        if (param(m, 75))
            QVERIFY2(hasField(m, intParam(m, 75), 1, true, why), qPrintable(why));
        else
            QVERIFY2(ofd == 0, "a model with an OFD table needs an automat table");
    }

    // Fields addressed by fixed table number.
    void fixedTableFields_data()
    {
        QTest::addColumn<int>("t");
        QTest::addColumn<QList<int>>("numberFields");
        QTest::addColumn<QList<int>>("textFields");
        QTest::addColumn<bool>("networkedOnly");
        QTest::addColumn<bool>("table10KindOnly");
        QTest::newRow("1 print form") << 1 << QList<int>{16, 29} << QList<int>{} << false << false;
        QTest::newRow("8 print form") << 8 << QList<int>{1, 12, 24} << QList<int>{} << false << false;
        QTest::newRow("10 service") << 10 << QList<int>{4, 7, 10, 11, 14, 15, 29, 32} << QList<int>{} << false << false;
        QTest::newRow("13 extra registration") << 13 << QList<int>{21, 22} << QList<int>{} << false << true;
        QTest::newRow("14 upgrade module") << 14 << QList<int>{1} << QList<int>{} << false << false;
        QTest::newRow("16 ethernet") << 16 << QList<int>{1, 2, 3, 6, 18, 19, 20, 23, 24} << QList<int>{} << false << false;
        QTest::newRow("17 ffd and form") << 17 << QList<int>{3, 12, 17, 18, 28, 56} << QList<int>{} << false << false;
        QTest::newRow("20 ofd log") << 20 << QList<int>{6, 7} << QList<int>{8, 17} << true << false;
        QTest::newRow("21 interfaces") << 21 << QList<int>{3, 4, 6, 9} << QList<int>{7, 8} << true << false;
        QTest::newRow("22 wifi") << 22 << QList<int>{1} << QList<int>{2, 5} << true << false;
    }

    void fixedTableFields()
    {
        QFETCH(int, t);
        QFETCH(QList<int>, numberFields);
        QFETCH(QList<int>, textFields);
        QFETCH(bool, networkedOnly);
        QFETCH(bool, table10KindOnly);
        int checked = 0;
        for (const auto &m : models()) {
            if (!m.hasFiscalDrive || (networkedOnly && intParam(m, 73) == 0)
                || (table10KindOnly && param(m, 28)->value.toBool()))
                continue;
            QString why;
            for (int f : numberFields)
                QVERIFY2(hasField(m, t, f, false, why), qPrintable(why));
            for (int f : textFields)
                QVERIFY2(hasField(m, t, f, true, why), qPrintable(why));
            ++checked;
        }
        QVERIFY(checked > 0);
    }

    void cashierTable()
    {
        for (const auto &m : models()) {
            const TableDef &t = m.tables.at(1);
            QVERIFY(t.rows >= 30);
            QVERIFY(t.fields.at(1).isText);
            QVERIFY(!factoryValue(t, 30, 2).toString().isEmpty());
        }
    }

    void fonts_data() { addModelRows(); }

    void fonts()
    {
        QFETCH(int, id);
        const ModelDef &m = *findModel(id);
        QVERIFY(m.fonts.size() >= 7);
        bool fortyColumns = false;
        for (std::size_t i = 0; i < m.fonts.size(); ++i) {
            const FontDef &f = m.fonts[i];
            QCOMPARE(f.number, static_cast<int>(i) + 1);
            QVERIFY(f.printWidth > 0 && f.charHeight > 0 && f.charWidth >= 0);
            // A width below one character would leave zero characters a line.
            QVERIFY2(f.printWidth >= f.charWidth, qPrintable(QStringLiteral("font %1").arg(f.number)));
            fortyColumns = fortyColumns || f.charWidth == 0;
        }
        QVERIFY(fortyColumns);
    }

    void errorTexts_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << QStringLiteral("Ошибок нет");
        QTest::newRow("8 no more data") << 8 << QStringLiteral("Нет запрошенных данных");
        QTest::newRow("48") << 48 << QStringLiteral("ФН не отвечает");
        QTest::newRow("55") << 55 << QStringLiteral("Команда не поддерживается в данной реализации ККТ");
        QTest::newRow("93") << 93 << QStringLiteral("Таблица, ряд или поле не определены");
        QTest::newRow("unknown") << 100 << QStringLiteral("Неизвестная ошибка (код 100)");
        QTest::newRow("past 255") << 256 << QStringLiteral("Неизвестная ошибка (код 256)");
    }

    void errorTexts()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(errorDescription(code), text);
    }

    void everyCodeHasText()
    {
        for (int code = 0; code <= 255; ++code)
            QVERIFY(!errorDescription(code).isEmpty());
        // The busy and "not supported" answers the programs act on are known codes.
        for (int code : {50, 51, 75, 80})
            QVERIFY2(errorDescription(code) != QStringLiteral("Неизвестная ошибка (код %1)").arg(code),
                     qPrintable(QString::number(code)));
    }

    void modeTexts()
    {
        QCOMPARE(modeDescription(4), QStringLiteral("Закрытая смена"));
        QCOMPARE(modeDescription(8), QStringLiteral("Открытый документ"));
        QCOMPARE(modeDescription(0x38), modeDescription(8)); // status in the high nibble
        QSet<QString> modes;
        for (int mode = 0; mode <= 15; ++mode)
            modes.insert(modeDescription(mode));
        QCOMPARE(modes.size(), 16);
        QSet<QString> advanced;
        for (int mode = 0; mode <= 5; ++mode)
            advanced.insert(advancedModeDescription(mode));
        QCOMPARE(advanced.size(), 6);
        QVERIFY(!advanced.contains(advancedModeDescription(6)));
        QVERIFY(!modeDescription(-1).isEmpty());
    }

    void registerNamesDistinct()
    {
        QSet<QString> cash;
        QSet<QString> operation;
        for (int n = 0; n <= 255; ++n) {
            cash.insert(cashRegisterName(n));
            operation.insert(operationRegisterName(n));
        }
        QCOMPARE(cash.size(), 256);
        QCOMPARE(operation.size(), 256);
        QVERIFY(!cash.contains(QString()) && !operation.contains(QString()));
        QVERIFY(!cash.intersects(operation));
    }
};

QTEST_GUILESS_MAIN(TestDeviceCatalog)
#include "tst_devicecatalog.moc"
