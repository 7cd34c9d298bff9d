// The pages "Чек коррекции (ФФД 1.05)" and "Агент" driven through their
// widgets against the built-in emulator: the correction receipts they leave
// in the drive's archive with their sums and tags, the amount errors, the
// drive's refusals, and the agent attributes attached to the receipt.
#include "fn/FnFixture.h"
#include "fn/FnPageFixture.h"

#include "testbench/pages/fn/AgentTags.h"
#include "testbench/pages/fn/FNAgent.h"
#include "testbench/pages/fn/FNOperation2.h"

#include <QComboBox>
#include <QDateEdit>
#include <QRadioButton>

using namespace emu;

namespace {

// What a test expects of a sent tag: number, value as text, bound to the
// operation, and the numbers and values of a composite's members.
QString TagText(const QJsonObject &t)
{
    QString text = QString::number(t.value(u"tag").toInt());
    if (t.value(u"operation").toBool())
        text += QStringLiteral("@op");
    if (t.contains(u"members")) {
        QStringList members;
        for (const QJsonValue &m : t.value(u"members").toArray())
            members << TagText(m.toObject());
        return text + QStringLiteral("{") + members.join(QStringLiteral("; ")) + QStringLiteral("}");
    }
    return text + QStringLiteral("=") + t.value(u"value").toVariant().toString();
}

// One line a tag, so that a failing comparison shows them all.
QString TagTexts(const QJsonArray &tags)
{
    QStringList texts;
    for (const QJsonValue &t : tags)
        texts << TagText(t.toObject());
    return texts.join(QLatin1Char('\n'));
}

} // namespace

// FPage is the correction receipt page; the window shows it first.
class TestFnCorrectionPages : public QObject, FnPageFixture<TfmFNOperation2>
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void correctionInArchive_data();
    void correctionInArchive();
    void amountErrors_data();
    void amountErrors();
    void driveRefusalsEndSilently_data();
    void driveRefusalsEndSilently();
    void agentTagsAttached_data();
    void agentTagsAttached();
    void receiptPageOrder();
    void nothingToSend_data();
    void nothingToSend();
    void refusedMemberStopsComposite();
    void innFieldsTakeDigitsOnly();
    void englishCatalogue();

private:
    void OpenPages();
    template <class T> T *Find(QWidget *page, const char *name) const
    {
        T *widget = page->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    void Click(QWidget *page, const char *name) { Find<QPushButton>(page, name)->click(); }
    QString MemoText() const { return Find<QPlainTextEdit>(FPage, "Memo")->toPlainText(); }
    // A fiscalized drive with its shift open.
    void OpenShift();
    void SetAgentFields(bool position);

    TfmFNAgent *FAgent = nullptr;
};

void TestFnCorrectionPages::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
}

void TestFnCorrectionPages::init()
{
    QVERIFY(StartFresh());
    OpenPages();
}

void TestFnCorrectionPages::cleanup()
{
    FAgent = nullptr;
    Finish();
}

void TestFnCorrectionPages::OpenPages()
{
    OpenWindow();
    FAgent = FWindow->Pages().PageByClass<TfmFNAgent>();
    QVERIFY(FAgent);
}

void TestFnCorrectionPages::OpenShift()
{
    QVERIFY(fnfixture::FiscalizeRegister(*Register()));
    QCOMPARE(Driver()->OpenSession(), 0);
}

// Every sum edit gets its own value (n.25 for Summn), so a sum that lands in
// the wrong place shows.
void TestFnCorrectionPages::correctionInArchive_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("beginFirst");
    QTest::addColumn<int>("correctionType");
    QTest::addColumn<int>("calculationSign");
    QTest::addColumn<int>("taxSystem");
    QTest::addColumn<bool>("addTaxes");
    QTest::addColumn<QStringList>("expectedTags"); // "key=value" of the document
    QTest::addColumn<QStringList>("sentTags");
    const QStringList fullSums{"1020=12500",  "1031=22500",  "1081=32500",  "1215=42500",
                               "1216=52500",  "1217=62500",  "1102=72500",  "1103=82500",
                               "1104=92500",  "1105=102500", "1106=112500", "1107=122500"};
    const QStringList addedSums{"vat5=172500", "vat7=182500", "vat5/105=192500", "vat7/107=202500"};
    QTest::newRow("full form, own, income, general")
        << "btnFNBuildCorrectionReceipt2" << true << 0 << 0 << 0 << false
        << (QStringList{"1054=1", "1173=0", "1055=1"} + fullSums) << QStringList{};
    QTest::newRow("full form by order, expense, ЕНВД, 5% and 7%")
        << "btnFNBuildCorrectionReceipt2" << true << 1 << 1 << 3 << true
        << (QStringList{"1054=3", "1173=1", "1055=8"} + fullSums + addedSums) << QStringList{};
    QTest::newRow("with basis, ПСН") << "btnCorrectionReceiptWithTags" << false << 1 << 0 << 5 << false
                                     << (QStringList{"1054=1", "1173=1", "1055=32"} + fullSums)
                                     << QStringList{"1179=ПР-17/2024", "1178=2024-02-29T00:00:00"};
    QTest::newRow("one-sum form, expense") << "btnFNBuildCorrectionReceipt" << true << 0 << 1 << 0 << true
                                           << QStringList{"1054=3", "1020=12500"} << QStringList{};
}

void TestFnCorrectionPages::correctionInArchive()
{
    QFETCH(QString, button);
    QFETCH(bool, beginFirst);
    QFETCH(int, correctionType);
    QFETCH(int, calculationSign);
    QFETCH(int, taxSystem);
    QFETCH(bool, addTaxes);
    QFETCH(QStringList, expectedTags);
    QFETCH(QStringList, sentTags);
    OpenShift();
    const int unsentBefore = Drive().unsentCount();
    Find<QComboBox>(FPage, "cbCorrectionType")->setCurrentIndex(correctionType);
    Find<QComboBox>(FPage, "cbCalculationSign")->setCurrentIndex(calculationSign);
    Find<QComboBox>(FPage, "cbTaxSystem")->setCurrentIndex(taxSystem);
    Find<QCheckBox>(FPage, "chkAddTaxes")->setChecked(addTaxes);
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 17, 18, 19, 20})
        Find<QLineEdit>(FPage, qPrintable(QStringLiteral("edtSumm%1").arg(n)))->setText(QStringLiteral("%1,25").arg(n));
    Find<QLineEdit>(FPage, "edtDocNumber")->setText(QStringLiteral("ПР-17/2024"));
    Find<QDateEdit>(FPage, "dtpDate")->setDate(QDate(2024, 2, 29));
    if (beginFirst)
        Click(FPage, "btnFNBeginCorrectionReceipt");
    Click(FPage, qPrintable(button));
    QVERIFY2(FMessages.isEmpty(), qPrintable(FMessages.value(0).text));
    QCOMPARE(ResultPanel(), QStringLiteral("(0) Ошибок нет"));

    const FiscalDrive fn = Drive();
    const FnDocument &d = fn.documents.back();
    QCOMPARE(d.type, fdtype::CorrectionReceipt);
    QStringList tags;
    for (auto it = d.tags.begin(); it != d.tags.end(); ++it)
        if (it.key() != fntag::Sent && it.key() != QString::number(fntag::ReceiptNumber))
            tags << it.key() + QLatin1Char('=') + it.value().toVariant().toString();
    tags.sort();
    expectedTags.sort();
    QCOMPARE(tags, expectedTags);
    QCOMPARE(TagTexts(d.sentTags()), sentTags.join(QLatin1Char('\n')));
    QCOMPARE(fn.unsentCount(), unsentBefore + 1);
    QCOMPARE(fn.currentDocument, fnopen::None);
    // The fixture's six documents and the shift's open report come first.
    QCOMPARE(d.number, 8u);
    QCOMPARE(MemoText(), QStringLiteral(" Номер чека              : 1\n"
                                        " Номер ФД                : 8\n"
                                        " Фискальный признак      : %1")
                             .arg(d.fiscalSign));
}

// An amount that cannot be read stops the correction before it is built,
// with the message naming the property; the correction stays open.
void TestFnCorrectionPages::amountErrors_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("full form, letters") << "btnFNBuildCorrectionReceipt2" << "edtSumm7" << "12р"
                                        << "Некорректное значение в поле\r\n\"Summ7\"";
    QTest::newRow("full form, empty 5/105 sum") << "btnFNBuildCorrectionReceipt2" << "edtSumm19" << ""
                                                << "Некорректное значение в поле\r\n\"Summ19\"";
    QTest::newRow("with basis, two separators") << "btnCorrectionReceiptWithTags" << "edtSumm20" << "1,2.3"
                                                << "Некорректное значение в поле\r\n\"Summ20\"";
    QTest::newRow("one-sum form, too large") << "btnFNBuildCorrectionReceipt" << "edtSumm1" << "10995116278"
                                             << "Некорректное значение в поле\r\n\"Summ1\"";
}

void TestFnCorrectionPages::amountErrors()
{
    QFETCH(QString, button);
    QFETCH(QString, edit);
    QFETCH(QString, text);
    QFETCH(QString, message);
    OpenShift();
    const std::size_t documents = Drive().documents.size();
    Click(FPage, "btnFNBeginCorrectionReceipt");
    Find<QLineEdit>(FPage, qPrintable(edit))->setText(text);
    Click(FPage, qPrintable(button));
    QCOMPARE(FMessages.size(), 1);
    QCOMPARE(FMessages.at(0).kind, TMessageKind::Critical);
    QCOMPARE(FMessages.at(0).text, message);
    const FiscalDrive fn = Drive();
    QCOMPARE(fn.documents.size(), documents);
    QCOMPARE(fn.currentDocument, fnopen::CorrectionReceipt);
    QCOMPARE(MemoText(), QString());
    QVERIFY(Find<QPushButton>(FPage, qPrintable(button))->isEnabled());
}

// The drive's refusals end the handler without a box; the panel shows them.
void TestFnCorrectionPages::driveRefusalsEndSilently_data()
{
    QTest::addColumn<bool>("openShift");
    QTest::addColumn<QString>("faultMethod"); // empty: none
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<int>("openDocument");
    QTest::newRow("full form with no correction begun") << true << "" << "btnFNBuildCorrectionReceipt2"
                                                        << "(2) Другое состояние ФН" << fnopen::None;
    QTest::newRow("one-sum form with no correction begun") << true << "" << "btnFNBuildCorrectionReceipt"
                                                           << "(2) Другое состояние ФН" << fnopen::None;
    QTest::newRow("begin with the shift closed") << false << "" << "btnFNBeginCorrectionReceipt"
                                                 << "(61) Смена не открыта, операция невозможна" << fnopen::None;
    // A refused basis tag stops before the correction; the receipt stays open.
    QTest::newRow("basis tag refused") << true << "FNSendTag" << "btnCorrectionReceiptWithTags"
                                       << "(9) Некорректное значение параметров команды" << fnopen::CorrectionReceipt;
}

void TestFnCorrectionPages::driveRefusalsEndSilently()
{
    QFETCH(bool, openShift);
    QFETCH(QString, faultMethod);
    QFETCH(QString, button);
    QFETCH(QString, panel);
    QFETCH(int, openDocument);
    if (openShift)
        OpenShift();
    else
        QVERIFY(fnfixture::FiscalizeRegister(*Register()));
    if (!faultMethod.isEmpty())
        QVERIFY(Register()->injectFault(faultMethod, 9, 1));
    const std::size_t documents = Drive().documents.size();
    Click(FPage, qPrintable(button));
    QCOMPARE(ResultPanel(), panel);
    QVERIFY(FMessages.isEmpty());
    QCOMPARE(MemoText(), QString());
    const FiscalDrive fn = Drive();
    QCOMPARE(fn.documents.size(), documents);
    QCOMPARE(fn.currentDocument, openDocument);
}

void TestFnCorrectionPages::SetAgentFields(bool position)
{
    Find<QRadioButton>(FAgent, position ? "rbTagsPosition" : "rbTagsDocument")->setChecked(true);
    Find<QCheckBox>(FAgent, "chkAgent0")->setChecked(true);
    Find<QCheckBox>(FAgent, "chkAgent6")->setChecked(true);
    Find<QLineEdit>(FAgent, "edt1075")->setText(QStringLiteral("+79990001122, +79990003344"));
    Find<QLineEdit>(FAgent, "edt1044")->setText(QStringLiteral("Перевод"));
    Find<QLineEdit>(FAgent, "edt1016")->setText(QStringLiteral("7701234567"));
    for (const char *off : {"chkUse1073", "chkUse1074", "chkUse1026", "chkUse1005"})
        Find<QCheckBox>(FAgent, off)->setChecked(false);
    Find<QLineEdit>(FAgent, "edt1171")->setText(QStringLiteral(" +71110000001 ,+71110000002"));
    Find<QLineEdit>(FAgent, "edt1225")->setText(QStringLiteral("ООО Поставщик"));
    Find<QLineEdit>(FAgent, "edtSupplierINN")->setText(QStringLiteral("123456789012"));
}

// The four buttons in each mode; the tags go into the correction receipt
// built afterwards.
void TestFnCorrectionPages::agentTagsAttached_data()
{
    QTest::addColumn<bool>("position");
    QTest::addColumn<QStringList>("sent");
    QTest::newRow("position") << true
                              << QStringList{"1222@op=65",
                                             "1223@op{1075=+79990001122; 1075=+79990003344; 1044=Перевод; 1016=7701234567}",
                                             "1224@op{1171=+71110000001; 1171=+71110000002; 1225=ООО Поставщик}",
                                             "1226@op=123456789012"};
    // In document mode the supplier's data are its phones only, and the
    // supplier INN button is off.
    QTest::newRow("document") << false
                              << QStringList{"1057=65", "1075=+79990001122", "1075=+79990003344", "1044=Перевод",
                                             "1016=7701234567", "1171=+71110000001", "1171=+71110000002"};
}

void TestFnCorrectionPages::agentTagsAttached()
{
    QFETCH(bool, position);
    QFETCH(QStringList, sent);
    OpenShift();
    QCOMPARE(Driver()->FNBeginCorrectionReceipt(), 0);
    FWindow->SetPage(FAgent);
    SetAgentFields(position);
    QCOMPARE(Find<QPushButton>(FAgent, "btnSendSupplierINN")->isEnabled(), position);
    QCOMPARE(Find<QLineEdit>(FAgent, "edtSupplierINN")->isEnabled(), position);
    QCOMPARE(Find<QLineEdit>(FAgent, "edt1225")->isEnabled(), position);
    QCOMPARE(Find<QCheckBox>(FAgent, "chkUse1225")->isEnabled(), position);
    for (const char *button : {"btnFNSendAgentSign", "btnSendAgentData", "btnSendSupplierData", "btnSendSupplierINN"})
        Click(FAgent, button);
    QCOMPARE(ResultPanel(), QStringLiteral("(0) Ошибок нет"));
    Driver()->Summ1 = 10000;
    Driver()->CheckType = 1;
    QCOMPARE(Driver()->FNBuildCorrectionReceipt(), 0);
    const FnDocument d = Drive().documents.back();
    QCOMPARE(d.type, fdtype::CorrectionReceipt);
    QCOMPARE(TagTexts(d.sentTags()), sent.join(QLatin1Char('\n')));
}

// The receipt page sends a position's attributes as sign, agent data,
// supplier INN, supplier data.
void TestFnCorrectionPages::receiptPageOrder()
{
    OpenShift();
    QCOMPARE(Driver()->FNBeginCorrectionReceipt(), 0);
    SetAgentFields(true);
    Find<QCheckBox>(FAgent, "chkUse1044")->setChecked(false);
    Find<QCheckBox>(FAgent, "chkUse1016")->setChecked(false);
    Find<QCheckBox>(FAgent, "chkUse1171")->setChecked(false);
    SendPositionAgentTags(FAgent->AgentTags());
    QCOMPARE(TagTexts(Drive().pendingTags),
             QStringList({"1222@op=65", "1223@op{1075=+79990001122; 1075=+79990003344}", "1226@op=123456789012",
                          "1224@op{1225=ООО Поставщик}"})
                 .join(QLatin1Char('\n')));
}

void TestFnCorrectionPages::nothingToSend_data()
{
    QTest::addColumn<bool>("position");
    QTest::addColumn<QStringList>("boxesOff");
    QTest::addColumn<QString>("button");
    const QStringList agentBoxes{"chkUse1075", "chkUse1044", "chkUse1073", "chkUse1074",
                                 "chkUse1026", "chkUse1005", "chkUse1016"};
    QTest::newRow("agent data, all boxes off, position") << true << agentBoxes << "btnSendAgentData";
    QTest::newRow("agent data, all boxes off, document") << false << agentBoxes << "btnSendAgentData";
    QTest::newRow("agent data, only empty phones") << true << (agentBoxes.mid(1)) << "btnSendAgentData";
    QTest::newRow("supplier data, both boxes off") << true << QStringList{"chkUse1171", "chkUse1225"}
                                                   << "btnSendSupplierData";
    // The name does not go into a document: with the phones off nothing is sent.
    QTest::newRow("document, phones off, name on") << false << QStringList{"chkUse1171"} << "btnSendSupplierData";
    QTest::newRow("supplier INN box off") << true << QStringList{"chkUse1226"} << "btnSendSupplierINN";
}

void TestFnCorrectionPages::nothingToSend()
{
    QFETCH(bool, position);
    QFETCH(QStringList, boxesOff);
    QFETCH(QString, button);
    OpenShift();
    QCOMPARE(Driver()->FNBeginCorrectionReceipt(), 0);
    FWindow->SetPage(FAgent);
    SetAgentFields(position);
    Find<QLineEdit>(FAgent, "edt1075")->setText(QStringLiteral(" , "));
    for (const QString &box : boxesOff)
        Find<QCheckBox>(FAgent, qPrintable(box))->setChecked(false);
    Click(FAgent, qPrintable(button));
    QVERIFY(FMessages.isEmpty());
    const FiscalDrive fn = Drive();
    QCOMPARE(TagTexts(fn.pendingTags), QString());
    QVERIFY(fn.composite.isEmpty());
}

// A member the driver refuses ends the composite: it is not sent.
void TestFnCorrectionPages::refusedMemberStopsComposite()
{
    OpenShift();
    QCOMPARE(Driver()->FNBeginCorrectionReceipt(), 0);
    FWindow->SetPage(FAgent);
    SetAgentFields(true);
    QVERIFY(Register()->injectFault(QStringLiteral("FNAddTag"), 9, 1));
    Click(FAgent, "btnSendAgentData");
    QCOMPARE(ResultPanel(), QStringLiteral("(9) Некорректное значение параметров команды"));
    QVERIFY(FMessages.isEmpty());
    QVERIFY(Drive().pendingTags.isEmpty());
}

void TestFnCorrectionPages::innFieldsTakeDigitsOnly()
{
    for (const char *name : {"edt1016", "edtSupplierINN"}) {
        QLineEdit *edit = Find<QLineEdit>(FAgent, name);
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("77.01a2345678901"));
        QCOMPARE(edit->text(), QStringLiteral("770123456789"));
    }
}

void TestFnCorrectionPages::englishCatalogue()
{
    FAgent = nullptr;
    CloseWindow();
    SwitchLanguage(QStringLiteral("EN"));
    OpenPages();
    QCOMPARE(FPage->windowTitle(), QStringLiteral("Correction receipt (FFD 1.05)"));
    QCOMPARE(Find<QPushButton>(FPage, "btnCorrectionReceiptWithTags")->text(),
             QStringLiteral("Build correction receipt with basis (FFD 1.05)"));
    QCOMPARE(FAgent->windowTitle(), QStringLiteral("Agent"));
    QCOMPARE(Find<QPushButton>(FAgent, "btnSendSupplierData")->text(), QStringLiteral("Send supplier data"));
}

QTEST_MAIN(TestFnCorrectionPages)
#include "tst_fncorrectionpages.moc"
