// The RNM page in the test bench window: its place in the "ФН сервис" group,
// its fields, the generation from the fields and the serial number read from
// the built-in emulated register.

#include "KassioTestEnv.h"
#include "driver/Driver.h"
#include "emulator/EmulatedRegister.h"
#include "testbench/pages/fn/RNM.h"
#include "testbench/shell/MainForm.h"
#include "testbench/shell/MessageBoxes.h"
#include "testbench/shell/TabbedPage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <memory>

class TestRNMPage : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void pageSitsInFNServiceGroup();
    void fieldsTakeDigitsUpToTheirWidth_data();
    void fieldsTakeDigitsUpToTheirWidth();
    void generatesFromFields();
    void readsSerialNumberFromRegister();
    void refusedSerialNumberLeavesField();

private:
    QLineEdit *Field(const char *name) const { return FPage->findChild<QLineEdit *>(QLatin1String(name)); }
    QPushButton *Button(const char *name) const { return FPage->findChild<QPushButton *>(QLatin1String(name)); }

    std::unique_ptr<KassioTestEnv> FEnv;
    std::unique_ptr<TfmMain> FWindow;
    TfmRNM *FPage = nullptr;
    QList<TMessage> FMessages;
};

void TestRNMPage::init()
{
    FEnv = std::make_unique<KassioTestEnv>();
    FMessages.clear();
    SetMessageResponder([this](const TMessage &message) {
        FMessages.append(message);
        return QMessageBox::Ok;
    });
    FWindow = std::make_unique<TfmMain>();
    FWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(FWindow.get()));
    FPage = FWindow->findChild<TfmRNM *>();
    QVERIFY(FPage);
}

void TestRNMPage::cleanup()
{
    FPage = nullptr;
    FWindow.reset();
    FreeDriver();
    SetMessageResponder({});
    FEnv.reset();
}

void TestRNMPage::pageSitsInFNServiceGroup()
{
    TfmTabbedPage *group = FWindow->Group(1);
    auto *tabs = group->findChild<QTabWidget *>();
    QVERIFY(tabs);
    const int index = tabs->indexOf(FPage->parentWidget()->parentWidget());
    QVERIFY(index >= 0);
    QCOMPARE(tabs->tabText(index), QStringLiteral("РНМ"));

    QStringList labels;
    for (const QLabel *label : FPage->findChildren<QLabel *>())
        labels << QStringLiteral("%1 %2").arg(label->buddy()->objectName(), label->text());
    labels.sort();
    QCOMPARE(labels, (QStringList{"edtINN ИНН (макс. 12 симв.):", "edtNumber Номер ККТ (макс. 10 симв.):",
                                  "edtRNM РНМ:", "edtSerial Зав. Номер ККТ (макс 20 симв.):"}));
    QCOMPARE(Button("btnOpenDrawer")->text(), QStringLiteral("Сгенерировать РНМ"));
    QCOMPARE(Button("btnGetSerial")->text(), QStringLiteral("Запросить зав. номер"));
    QVERIFY(Field("edtRNM")->isReadOnly());
}

void TestRNMPage::fieldsTakeDigitsUpToTheirWidth_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("width");
    QTest::newRow("INN") << "edtINN" << 12;
    QTest::newRow("serial number") << "edtSerial" << 20;
    QTest::newRow("number") << "edtNumber" << 10;
}

void TestRNMPage::fieldsTakeDigitsUpToTheirWidth()
{
    QFETCH(QString, field);
    QFETCH(int, width);
    QLineEdit *edit = Field(field.toLatin1().constData());
    edit->setFocus();
    // Letters, signs and the decimal point do not get in, typed or pasted.
    QTest::keyClicks(edit, QStringLiteral("1a.2-3 "));
    QCOMPARE(edit->text(), QStringLiteral("123"));
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("123456789012345678901234"));
    QCOMPARE(edit->text(), QStringLiteral("123456789012345678901234").left(width));
    edit->selectAll();
    edit->insert(QStringLiteral("12.5"));
    QCOMPARE(edit->text(), QStringLiteral("123456789012345678901234").left(width));
}

void TestRNMPage::generatesFromFields()
{
    Field("edtNumber")->setText(QStringLiteral("1"));
    Field("edtINN")->setText(QStringLiteral("1234567890"));
    Field("edtSerial")->setText(QStringLiteral("12345"));
    QTest::mouseClick(Button("btnOpenDrawer"), Qt::LeftButton);
    QCOMPARE(Field("edtRNM")->text(), QStringLiteral("0000000001047981"));

    // Empty fields count as zeros.
    for (const char *name : {"edtNumber", "edtINN", "edtSerial"})
        Field(name)->clear();
    QTest::mouseClick(Button("btnOpenDrawer"), Qt::LeftButton);
    QCOMPARE(Field("edtRNM")->text(), QStringLiteral("0000000000027160"));
    QVERIFY(FMessages.isEmpty());
    QVERIFY(Button("btnOpenDrawer")->isEnabled());
}

void TestRNMPage::readsSerialNumberFromRegister()
{
    const auto device = emu::EmulatedRegister::shared(emu::EmulatedRegister::defaultStateFile());
    QVERIFY(device->modify([](emu::RegisterState &state) { state.serialNumber = QStringLiteral("00106703457812"); }));
    QTest::mouseClick(Button("btnGetSerial"), Qt::LeftButton);
    QCOMPARE(Driver()->ResultCode, 0);
    QCOMPARE(Field("edtSerial")->text(), QStringLiteral("00106703457812"));
    QVERIFY(Button("btnGetSerial")->isEnabled());
}

void TestRNMPage::refusedSerialNumberLeavesField()
{
    const auto device = emu::EmulatedRegister::shared(emu::EmulatedRegister::defaultStateFile());
    QVERIFY(device->injectFault(QStringLiteral("ReadSerialNumber"), 80, 1));
    Field("edtSerial")->setText(QStringLiteral("777"));
    QTest::mouseClick(Button("btnGetSerial"), Qt::LeftButton);
    QCOMPARE(Driver()->ResultCode, 80);
    // The silent abort: no box, the field keeps its text, buttons come back.
    QVERIFY(FMessages.isEmpty());
    QCOMPARE(Field("edtSerial")->text(), QStringLiteral("777"));
    QVERIFY(Button("btnGetSerial")->isEnabled());
    QVERIFY(Button("btnOpenDrawer")->isEnabled());
}

QTEST_MAIN(TestRNMPage)
#include "tst_rnmpage.moc"
