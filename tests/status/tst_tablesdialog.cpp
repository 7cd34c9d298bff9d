// The component's table dialog (ShowTablesDlg) driven through its runner
// seam against the built-in emulator: the table list, a table's fields,
// writing a value back, refused values, a failed link and its owner window.
#include "KassioTestEnv.h"

#include "driver/Kassio.h"
#include "driver/TablesDialog.h"
#include "emulator/EmulatedRegister.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <QtTest>

#include <functional>

namespace {

std::shared_ptr<emu::EmulatedRegister> Device()
{
    return emu::EmulatedRegister::shared(emu::EmulatedRegister::defaultStateFile());
}

struct FieldRef
{
    int table = 0;
    int field = 0;
    const emu::FieldDef *def = nullptr;
};

// The first field of the default model that the predicate accepts.
FieldRef FindField(const std::function<bool(const emu::FieldDef &)> &accept)
{
    for (const emu::TableDef &t : emu::findModel(emu::defaultModelId())->tables)
        for (std::size_t i = 0; i < t.fields.size(); ++i)
            if (accept(t.fields[i]))
                return {t.number, static_cast<int>(i) + 1, &t.fields[i]};
    return {};
}

QString RegisterValue(int table, int row, int field)
{
    // Only values that differ from the factory's are kept: "" means unchanged.
    const auto values = Device()->snapshot().tableValues;
    const auto it = values.find({table, row, field});
    return it == values.end() ? QString() : it->second.toString();
}

QString CellValue(TfmTables &dialog, int row, int field)
{
    const int line = dialog.gridLine(row, field);
    if (line < 0)
        return QStringLiteral("<no line>");
    return dialog.findChild<QTableWidget *>(QStringLiteral("grdFields"))->item(line, TfmTables::ColValue)->text();
}

} // namespace

class TestTablesDialog : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void listsTablesAndWritesEditedValue();
    void refusedValueKeepsTheOldOne_data();
    void refusedValueKeepsTheOldOne();
    void failedLinkIsShownAndReturned();
    void ownerIsTheParentWndWindow();

private:
    KassioTestEnv FEnv;
};

void TestTablesDialog::init()
{
    QVERIFY(Device()->factoryReset(emu::defaultModelId()));
}

void TestTablesDialog::cleanup()
{
    kassio::setTablesDialogRunner({});
}

void TestTablesDialog::listsTablesAndWritesEditedValue()
{
    const FieldRef number = FindField([](const emu::FieldDef &f) { return !f.isText && f.max >= 200; });
    const FieldRef text = FindField([](const emu::FieldDef &f) { return f.isText && f.size >= 8; });
    QVERIFY(number.def && text.def);
    const emu::ModelDef &model = *emu::findModel(emu::defaultModelId());

    TKassio k;
    // The caller's table inputs survive the dialog.
    k.TableNumber = 7;
    k.RowNumber = 3;
    k.FieldNumber = 2;
    bool ran = false;
    kassio::setTablesDialogRunner([&](TfmTables &dialog) {
        ran = true;
        auto *list = dialog.findChild<QListWidget *>(QStringLiteral("lbTables"));
        QCOMPARE(list->count(), static_cast<int>(model.tables.size()));
        QCOMPARE(list->item(0)->text(), QStringLiteral("1. ") + model.tables.front().name);
        QCOMPARE(dialog.shownTable(), 1);

        QVERIFY(dialog.selectTable(number.table));
        const emu::TableDef &t = model.tables[static_cast<std::size_t>(number.table - 1)];
        auto *grid = dialog.findChild<QTableWidget *>(QStringLiteral("grdFields"));
        QCOMPARE(grid->rowCount(), t.rows * static_cast<int>(t.fields.size()));
        const int line = dialog.gridLine(1, number.field);
        QCOMPARE(grid->item(line, TfmTables::ColName)->text(), number.def->name);
        QVERIFY(grid->item(line, TfmTables::ColType)->text().startsWith(QStringLiteral("Число")));
        QCOMPARE(CellValue(dialog, 1, number.field), QString::number(emu::factoryValue(t, 1, number.field).toLongLong()));

        // Edited in the grid as the user would: the value goes to the register.
        const QString newNumber = QString::number(number.def->min == 123 ? 124 : 123);
        grid->item(line, TfmTables::ColValue)->setText(newNumber);
        QCOMPARE(dialog.errorText(), QString());
        QCOMPARE(RegisterValue(number.table, 1, number.field), newNumber);

        QVERIFY(dialog.selectTable(text.table));
        QVERIFY(dialog.findChild<QTableWidget *>(QStringLiteral("grdFields"))
                    ->item(dialog.gridLine(1, text.field), TfmTables::ColType)
                    ->text()
                    .startsWith(QStringLiteral("Строка")));
        QVERIFY(dialog.writeValue(1, text.field, QStringLiteral("ПРОВЕРКА")));
        QCOMPARE(CellValue(dialog, 1, text.field), QStringLiteral("ПРОВЕРКА"));
    });
    QCOMPARE(k.ShowTablesDlg(), 0);
    QVERIFY(ran);
    QCOMPARE(k.ResultCode, 0);
    QCOMPARE(RegisterValue(text.table, 1, text.field), QStringLiteral("ПРОВЕРКА"));
    QCOMPARE(k.TableNumber, 7);
    QCOMPARE(k.RowNumber, 3);
    QCOMPARE(k.FieldNumber, 2);
}

void TestTablesDialog::refusedValueKeepsTheOldOne_data()
{
    QTest::addColumn<bool>("textField");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("error");
    // MAX+1: one above the field's maximum, refused by the register.
    QTest::newRow("number above the maximum") << false << "MAX+1" << "(33)";
    QTest::newRow("number beyond 32 bits") << false << "99999999999" << "вне допустимого диапазона";
    QTest::newRow("not a number") << false << "12a" << "не является числом";
    QTest::newRow("text longer than the field") << true << QString(300, QLatin1Char('X')) << "(33)";
}

void TestTablesDialog::refusedValueKeepsTheOldOne()
{
    QFETCH(bool, textField);
    QFETCH(QString, value);
    QFETCH(QString, error);
    const FieldRef ref = FindField([&](const emu::FieldDef &f) {
        return textField ? f.isText && f.size < 300 : !f.isText && f.max < 0xFFFFFFFFLL;
    });
    QVERIFY(ref.def);
    if (value == QLatin1String("MAX+1"))
        value = QString::number(ref.def->max + 1);

    TKassio k;
    kassio::setTablesDialogRunner([&](TfmTables &dialog) {
        QVERIFY(dialog.selectTable(ref.table));
        const QString before = CellValue(dialog, 1, ref.field);
        QVERIFY(!dialog.writeValue(1, ref.field, value));
        QVERIFY2(dialog.errorText().contains(error), qPrintable(dialog.errorText()));
        QCOMPARE(CellValue(dialog, 1, ref.field), before);
    });
    QCOMPARE(k.ShowTablesDlg(), 0);
    QCOMPARE(RegisterValue(ref.table, 1, ref.field), QString());
}

void TestTablesDialog::failedLinkIsShownAndReturned()
{
    TKassio k;
    k.ConnectionType = 3; // not a connection the component offers
    QString shown;
    int tables = -1;
    kassio::setTablesDialogRunner([&](TfmTables &dialog) {
        shown = dialog.errorText();
        tables = dialog.findChild<QListWidget *>(QStringLiteral("lbTables"))->count();
    });
    const int code = k.ShowTablesDlg();
    QCOMPARE(code, -5);
    QCOMPARE(k.ResultCode, -5);
    QVERIFY(!k.ResultCodeDescription.isEmpty());
    QCOMPARE(tables, 0);
    QVERIFY2(shown.contains(QStringLiteral("(-5)")), qPrintable(shown));
}

void TestTablesDialog::ownerIsTheParentWndWindow()
{
    QWidget owner;
    owner.show();
    TKassio k;
    k.ParentWnd = static_cast<int>(owner.winId());
    QWidget *parent = nullptr;
    kassio::setTablesDialogRunner([&](TfmTables &dialog) { parent = dialog.parentWidget(); });
    QCOMPARE(k.ShowTablesDlg(), 0);
    QCOMPARE(parent, &owner);
}

QTEST_MAIN(TestTablesDialog)
#include "tst_tablesdialog.moc"
