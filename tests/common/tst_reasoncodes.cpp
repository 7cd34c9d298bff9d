// The reason codes dialog in both forms: the 32-bit value through its boxes,
// OK and Cancel in the callers' order, bits without a box, the test bench
// form's captions and stored states, and the wizard form's lack of both.

#include "KassioTestEnv.h"
#include "common/ReasonCodesDialog.h"
#include "common/ReasonCodesTestBench.h"
#include "testbench/shell/Language.h"
#include "testbench/shell/SettingsWalker.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

QCheckBox *Box(const QWidget &dialog, int index)
{
    return dialog.findChild<QCheckBox *>(QStringLiteral("chk%1").arg(index));
}

QStringList CheckedBoxes(const QWidget &dialog)
{
    QStringList names;
    for (int i = 0; i < 23; ++i)
        if (Box(dialog, i)->isChecked())
            names << Box(dialog, i)->objectName();
    return names;
}

// Runs action on the dialog once its modal loop is running; a dialog the
// action left open (a failed check inside it) is cancelled, never left hanging.
void WhenShown(TfmReasonCodes &dialog, std::function<void()> action)
{
    QTimer::singleShot(0, &dialog, [&dialog, action = std::move(action)] {
        action();
        if (dialog.isVisible())
            dialog.reject();
    });
}

} // namespace

class TestReasonCodes : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void boxesCarryBitsAndCaptions();
    void valueThroughBoxes_data();
    void valueThroughBoxes();
    void userChoiceGivesValue();
    void okReturnsChoice_cancelKeepsCallerValue();
    void testBenchFormKeepsStatesAcrossInstances();
    void wizardFormStoresNothing();
    void captionsFollowTestBenchLanguage();
    void wheelMovesScrollBars();

private:
    std::unique_ptr<KassioTestEnv> FEnv;
};

void TestReasonCodes::init()
{
    FEnv = std::make_unique<KassioTestEnv>();
    ForgetCachedLanguage();
}

void TestReasonCodes::cleanup()
{
    FEnv.reset();
    ForgetCachedLanguage();
    BindCatalogue();
}

void TestReasonCodes::boxesCarryBitsAndCaptions()
{
    TfmReasonCodes dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Коды причин изменения сведений о ККТ"));
    QCOMPARE(dialog.minimumWidth(), 736);
    QVERIFY(dialog.findChild<QPushButton *>(QStringLiteral("btnOk"))->isDefault());
    QCOMPARE(dialog.findChildren<QCheckBox *>().size(), 23);
    for (int i = 0; i < 23; ++i) {
        const int bit = i < 22 ? i : 31;
        QCheckBox *box = Box(dialog, i);
        QVERIFY2(box, qPrintable(QStringLiteral("chk%1").arg(i)));
        QCOMPARE(box->property("tag").toInt(), bit);
        QCOMPARE(dialog.FindCheckBox(bit), box);
        // The caption carries the reason's number in the list: bit + 1.
        QVERIFY(box->accessibleName().startsWith(QString::number(bit + 1) + QStringLiteral(". ")));
    }
    for (int bit = 22; bit <= 30; ++bit) {
        QVERIFY(!dialog.FindCheckBox(bit));
        QVERIFY(ReasonCodeText(bit).isEmpty());
    }
    // Reports name a reason by its caption without the number.
    QCOMPARE(ReasonCodeText(0), QStringLiteral("Замена фискального накопителя"));
    QCOMPARE(ReasonCodeText(21), QStringLiteral("Изменение версии ФФД"));
    QCOMPARE(ReasonCodeText(31), QStringLiteral("Иные причины"));
    QCOMPARE(Box(dialog, 0)->accessibleName(), QStringLiteral("1. Замена фискального накопителя"));
    QCOMPARE(Box(dialog, 21)->accessibleName(), QStringLiteral("22. Изменение версии ФФД"));
    QCOMPARE(Box(dialog, 22)->accessibleName(), QStringLiteral("32. Иные причины"));
}

void TestReasonCodes::valueThroughBoxes_data()
{
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QStringList>("checked");

    QTest::newRow("nothing") << 0u << QStringList{};
    QTest::newRow("first and last reason") << 0x80000001u << QStringList{"chk0", "chk22"};
    QTest::newRow("reason 22") << (1u << 21) << QStringList{"chk21"};
    // Bits 22 to 30 have no box: they check nothing but are not lost.
    QTest::newRow("bit without a box") << (1u << 25) << QStringList{};
    QStringList all;
    for (int i = 0; i < 23; ++i)
        all << QStringLiteral("chk%1").arg(i);
    QTest::newRow("every bit") << 0xFFFFFFFFu << all;
}

void TestReasonCodes::valueThroughBoxes()
{
    QFETCH(quint32, value);
    QFETCH(QStringList, checked);
    TfmReasonCodes dialog;
    // Boxes left checked from before must follow the new value.
    dialog.SetCode(0x7FFFFFu);
    dialog.SetCode(value);
    QCOMPARE(CheckedBoxes(dialog), checked);
    QCOMPARE(dialog.GetCode(), value);
}

void TestReasonCodes::userChoiceGivesValue()
{
    TfmReasonCodes dialog;
    dialog.SetCode(0);
    QCOMPARE(dialog.GetCode(), 0u);
    Box(dialog, 22)->click();
    Box(dialog, 4)->click();
    QCOMPARE(dialog.GetCode(), 0x80000010u);
    // The caption beside a box toggles it too.
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QLabel *label = nullptr;
    for (QLabel *candidate : dialog.findChildren<QLabel *>())
        if (candidate->text() == Box(dialog, 4)->accessibleName())
            label = candidate;
    QVERIFY(label);
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(dialog.GetCode(), 0x80000000u);
}

void TestReasonCodes::okReturnsChoice_cancelKeepsCallerValue()
{
    TfmReasonCodes dialog;
    const quint32 callerValue = (1u << 25) | 1u;

    WhenShown(dialog, [&] {
        QCOMPARE(CheckedBoxes(dialog), QStringList{"chk0"});
        Box(dialog, 0)->click();
        Box(dialog, 1)->click();
        dialog.findChild<QPushButton *>(QStringLiteral("btnOk"))->click();
    });
    QCOMPARE(dialog.Choose(callerValue), std::optional<quint32>((1u << 25) | (1u << 1)));

    // Closed any other way: no value, whatever was clicked.
    WhenShown(dialog, [&] {
        Box(dialog, 5)->click();
        dialog.close();
    });
    QCOMPARE(dialog.Choose(callerValue), std::nullopt);
    WhenShown(dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); });
    QCOMPARE(dialog.Choose(callerValue), std::nullopt);
}

void TestReasonCodes::testBenchFormKeepsStatesAcrossInstances()
{
    {
        TReasonCodesInstance instance(NewTestBenchReasonCodes());
        QVERIFY(ReasonCodes());
        ReasonCodes()->SetCode((1u << 3) | (1u << 31));
    }
    QVERIFY(!ReasonCodes());
    QCOMPARE(OpenParamKey()->value(QStringLiteral("fmReasonCodes.ScrollBox.qt_scrollarea_viewport.pnlReasons.chk3")),
             QVariant(true));

    const auto again = NewTestBenchReasonCodes();
    QCOMPARE(CheckedBoxes(*again), (QStringList{"chk3", "chk22"}));
    QCOMPARE(again->GetCode(), (1u << 3) | (1u << 31));
}

void TestReasonCodes::wizardFormStoresNothing()
{
    {
        const auto bench = NewTestBenchReasonCodes();
        bench->SetCode(1u << 2);
    }
    {
        // Neither restores the test bench's states nor writes any.
        TfmReasonCodes wizard;
        QCOMPARE(wizard.GetCode(), 0u);
        wizard.SetCode(1u << 7);
    }
    const auto bench = NewTestBenchReasonCodes();
    QCOMPARE(CheckedBoxes(*bench), QStringList{"chk2"});
}

void TestReasonCodes::captionsFollowTestBenchLanguage()
{
    SetLanguage(QStringLiteral("EN"));
    ForgetCachedLanguage();
    const auto bench = NewTestBenchReasonCodes();
    QCOMPARE(bench->windowTitle(), QStringLiteral("Reason codes for changing ECR registration data"));
    QCOMPARE(Box(*bench, 22)->accessibleName(), QStringLiteral("32. Other reasons"));

    // The wizard's form shows its Russian texts as they are.
    TfmReasonCodes wizard;
    QCOMPARE(wizard.windowTitle(), QStringLiteral("Коды причин изменения сведений о ККТ"));
    QCOMPARE(Box(wizard, 22)->accessibleName(), QStringLiteral("32. Иные причины"));
}

void TestReasonCodes::wheelMovesScrollBars()
{
    TfmReasonCodes dialog;
    dialog.resize(736, 200);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *scrollBox = dialog.findChild<QScrollArea *>(QStringLiteral("ScrollBox"));
    QScrollBar *vertical = scrollBox->verticalScrollBar();
    QVERIFY(vertical->maximum() > 240);

    const auto turn = [&](QWidget *target, int delta, Qt::KeyboardModifiers modifiers) {
        const QPointF at(10, 10);
        QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
    };
    // The position decreases by the delta: turning towards the user scrolls down.
    turn(scrollBox->viewport(), -120, Qt::NoModifier);
    QCOMPARE(vertical->value(), 120);
    turn(Box(dialog, 0), -120, Qt::NoModifier);
    QCOMPARE(vertical->value(), 240);
    turn(scrollBox->viewport(), 120, Qt::NoModifier);
    QCOMPARE(vertical->value(), 120);
    // With Shift the horizontal bar takes the turn.
    turn(scrollBox->viewport(), -120, Qt::ShiftModifier);
    QCOMPARE(vertical->value(), 120);
    // Over the bottom panel too.
    turn(dialog.findChild<QWidget *>(QStringLiteral("pnlBottom")), -120, Qt::NoModifier);
    QCOMPARE(vertical->value(), 240);
}

QTEST_MAIN(TestReasonCodes)
#include "tst_reasoncodes.moc"
