// The wizard's window headless: the start state, the caption, moving forward,
// back along the way taken and home, errors in a page's next and show, Enter,
// the job list by model parameter 73, and every job's path of pages.
#include "KassioTestEnv.h"
#include "WizardTestKit.h"

#include "emulator/EmulatedRegister.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/MainForm.h"
#include "wizard/shell/WizardErrors.h"
#include "wizard/shell/WizardMessages.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// A small page list for the shell's own rules: start → form → third.
struct TFixtureState {
    bool failNext = false;   // the form's Next raises
    bool stay = false;       // the form's Next names no page
    bool failShow = false;   // the third page's show raises
    int nextCalls = 0;
};
TFixtureState fixture;

class TfmTestThird : public TParamPage
{
    Q_OBJECT
public:
    TfmTestThird() : TParamPage(QStringLiteral("Третья")) {}
    void FormShow() override
    {
        if (fixture.failShow)
            throw EWizardError(QStringLiteral("Ошибка показа"));
    }
};

class TfmTestForm : public TParamPage
{
    Q_OBJECT
public:
    TfmTestForm() : TParamPage(QStringLiteral("Форма"))
    {
        edtValue = new QLineEdit(this);
        edtValue->setObjectName(QStringLiteral("edtValue"));
        (new QVBoxLayout(this))->addWidget(edtValue);
    }
    void Next() override
    {
        ++fixture.nextCalls;
        if (fixture.failNext)
            throw EWizardError(QStringLiteral("Неверное значение"));
        if (!fixture.stay)
            Controller().SetNext<TfmTestThird>();
    }
    QLineEdit *edtValue;
};

class TfmTestStart : public TParamPage
{
    Q_OBJECT
public:
    TfmTestStart() : TParamPage(QStringLiteral("Начало")) {}
    void Next() override { Controller().SetNext<TfmTestForm>(); }
};

} // namespace

class TestWizardShell : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void startPageAndCaption();
    void x5MarkerMarksTheCaption();
    void nextRaisingKeepsThePage();
    void nextNamingNoPageKeepsTheWayBack();
    void failingShowLeavesBackAndHome();
    void enterPressesNext();
    void backFollowsTheWayTaken();
    void homeFromAnywhere();
    void settingsButtonFreesThePortFirst();
    void jobsByOFDTable_data();
    void jobsByOFDTable();
    void jobListFailureShowsTheDriverError();
    void jobPaths_data();
    void jobPaths();
    void newRegistrationForgetsANewFN();

private:
    std::unique_ptr<TfmMain> makeWindow(bool x5 = false);
    std::unique_ptr<TfmMain> makeFixtureWindow();
    static QString current() { return QString::fromLatin1(Controller().CurrentPage->metaObject()->className()); }
    static void press(TfmMain &w, const char *button) { w.findChild<QAbstractButton *>(QLatin1String(button))->click(); }
    static bool enabled(TfmMain &w, const char *button)
    {
        return w.findChild<QAbstractButton *>(QLatin1String(button))->isEnabled();
    }
    // What the user sees agrees with the controller.
    static void verifyOnScreen(TfmMain &w)
    {
        TParamPage *page = Controller().CurrentPage;
        QVERIFY(page && page->isVisible());
        QCOMPARE(w.findChild<QLabel *>(QStringLiteral("pnlTop"))->text(), page->Caption());
        QCOMPARE(w.Pages().IndexOf(page), w.PageIndex());
        for (int i = 0; i < w.Pages().GetCount(); ++i)
            QCOMPARE(w.Pages().GetItem(i)->isVisible(), i == w.PageIndex());
    }
    QListWidget *jobList(TfmMain &w) { return w.Pages().GetItem(2)->findChild<QListWidget *>(QStringLiteral("listBox")); }

    std::unique_ptr<KassioTestEnv> m_env;
    std::shared_ptr<emu::EmulatedRegister> m_register;
    QTemporaryDir m_plainFolder;
    QTemporaryDir m_x5Folder;
    QStringList m_messages;
};

void TestWizardShell::initTestCase()
{
    m_env = std::make_unique<KassioTestEnv>();
    m_register = emu::EmulatedRegister::shared(emu::EmulatedRegister::defaultStateFile());
    QFile marker(QDir(m_x5Folder.path()).filePath(QStringLiteral("X5.ini")));
    QVERIFY(marker.open(QIODevice::WriteOnly)); // empty: only its existence counts
    SetWizardMessageResponder([this](const TWizardMessage &m) {
        m_messages << m.text;
        return QMessageBox::Ok;
    });
}

void TestWizardShell::init()
{
    QVERIFY(m_register->factoryReset(emu::defaultModelId()));
    m_messages.clear();
    fixture = {};
}

void TestWizardShell::cleanup()
{
    FreeWizardDriver();
}

std::unique_ptr<TfmMain> TestWizardShell::makeWindow(bool x5)
{
    auto w = std::make_unique<TfmMain>(x5 ? m_x5Folder.path() : m_plainFolder.path(), wizardtest::PageList());
    w->show();
    return w;
}

std::unique_ptr<TfmMain> TestWizardShell::makeFixtureWindow()
{
    auto w = std::make_unique<TfmMain>(m_plainFolder.path(),
                                       std::vector<TfmMain::TPageFactory>{[] { return new TfmTestStart; },
                                                                          [] { return new TfmTestForm; },
                                                                          [] { return new TfmTestThird; }});
    w->show();
    return w;
}

void TestWizardShell::startPageAndCaption()
{
    auto w = makeWindow();
    QCOMPARE(w->Pages().GetCount(), 31);
    QCOMPARE(current(), QStringLiteral("TfmConnectDevice"));
    QCOMPARE(w->findChild<QLabel *>(QStringLiteral("pnlTop"))->text(), QStringLiteral("Подключите устройство"));
    verifyOnScreen(*w);
    QVERIFY(!enabled(*w, "btnPrev"));
    QVERIFY(enabled(*w, "btnNext"));
    QVERIFY(enabled(*w, "btnHome"));
    QVERIFY(enabled(*w, "btnMenu"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Мастер фискализации %1 (%2-bit)").arg(QStringLiteral(KASSIO_VERSION)).arg(QSysInfo::WordSize));
    QVERIFY(!Controller().X5Mode);
    QVERIFY(WizardDriverExists()); // the start page made the driver instance
}

void TestWizardShell::x5MarkerMarksTheCaption()
{
    auto w = makeWindow(true);
    QVERIFY(w->windowTitle().endsWith(QStringLiteral(" [X5]")));
    QVERIFY(Controller().X5Mode);
}

void TestWizardShell::nextRaisingKeepsThePage()
{
    auto w = makeFixtureWindow();
    press(*w, "btnNext");
    QCOMPARE(current(), QStringLiteral("TfmTestForm"));
    fixture.failNext = true;
    press(*w, "btnNext");
    press(*w, "btnNext");
    QCOMPARE(fixture.nextCalls, 2); // pressed again, the page's next runs again
    QCOMPARE(m_messages, (QStringList{QStringLiteral("Неверное значение"), QStringLiteral("Неверное значение")}));
    QCOMPARE(current(), QStringLiteral("TfmTestForm"));
    verifyOnScreen(*w);
    QVERIFY(enabled(*w, "btnNext") && enabled(*w, "btnPrev"));
    fixture.failNext = false;
    press(*w, "btnNext");
    QCOMPARE(current(), QStringLiteral("TfmTestThird"));
}

void TestWizardShell::nextNamingNoPageKeepsTheWayBack()
{
    auto w = makeFixtureWindow();
    press(*w, "btnNext");
    fixture.stay = true;
    press(*w, "btnNext");
    QCOMPARE(current(), QStringLiteral("TfmTestForm"));
    QVERIFY(m_messages.isEmpty());
    // The page did not become its own way back.
    press(*w, "btnPrev");
    QCOMPARE(current(), QStringLiteral("TfmTestStart"));
    verifyOnScreen(*w);
}

void TestWizardShell::failingShowLeavesBackAndHome()
{
    auto w = makeFixtureWindow();
    press(*w, "btnNext");
    fixture.failShow = true;
    press(*w, "btnNext");
    QCOMPARE(m_messages, QStringList{QStringLiteral("Ошибка показа")});
    QCOMPARE(current(), QStringLiteral("TfmTestThird"));
    verifyOnScreen(*w); // the switch was completed: title, old page hidden
    QVERIFY(enabled(*w, "btnPrev"));
    QVERIFY(enabled(*w, "btnHome"));
    press(*w, "btnPrev");
    QCOMPARE(current(), QStringLiteral("TfmTestForm"));
    verifyOnScreen(*w);
    press(*w, "btnNext");
    press(*w, "btnHome");
    QCOMPARE(current(), QStringLiteral("TfmTestStart"));
    verifyOnScreen(*w);
}

void TestWizardShell::enterPressesNext()
{
    auto w = makeFixtureWindow();
    press(*w, "btnNext");
    auto *edit = w->findChild<QLineEdit *>(QStringLiteral("edtValue"));
    edit->setFocus();
    Controller().EnableNext(false);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(current(), QStringLiteral("TfmTestForm")); // next is disabled: Enter does nothing
    Controller().EnableNext(true);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(fixture.nextCalls, 1);
    QCOMPARE(current(), QStringLiteral("TfmTestThird"));
}

void TestWizardShell::backFollowsTheWayTaken()
{
    auto w = makeWindow();
    QVERIFY(wizardtest::ToJobPage(*w));
    jobList(*w)->setCurrentRow(4); // closing the FN archive
    press(*w, "btnNext");
    press(*w, "btnNext");
    QCOMPARE(current(), QStringLiteral("TfmBeforeCloseFN")); // index 21, reached from index 26
    press(*w, "btnPrev");
    QCOMPARE(current(), QStringLiteral("TFmCheckStatusBeforeCloseFN"));
    press(*w, "btnPrev");
    QCOMPARE(current(), QStringLiteral("TfmSelectWorkType"));
    press(*w, "btnPrev"); // the job list goes back to the start, past the connection pages
    QCOMPARE(current(), QStringLiteral("TfmConnectDevice"));
    verifyOnScreen(*w);
    QVERIFY(!enabled(*w, "btnPrev"));
}

void TestWizardShell::homeFromAnywhere()
{
    auto w = makeWindow();
    for (int steps : {1, 4, 9}) {
        QVERIFY(wizardtest::ToJobPage(*w));
        jobList(*w)->setCurrentRow(0);
        for (int i = 1; i < steps; ++i)
            press(*w, "btnNext");
        QVERIFY(current() != QStringLiteral("TfmConnectDevice"));
        press(*w, "btnHome");
        QCOMPARE(current(), QStringLiteral("TfmConnectDevice"));
        verifyOnScreen(*w);
        QVERIFY(!enabled(*w, "btnPrev"));
    }
}

void TestWizardShell::settingsButtonFreesThePortFirst()
{
    auto w = makeWindow();
    QCOMPARE(WizardDriver().GetECRStatus(), 0);
    QVERIFY(WizardDriver().Connected);
    const TKassio *seen = nullptr;
    bool connectedThen = true;
    TKassio::setPropertiesDialogHook([&](TKassio &k) {
        seen = &k;
        connectedThen = k.Connected;
        return 0;
    });
    press(*w, "btnMenu");
    TKassio::setPropertiesDialogHook({});
    QCOMPARE(seen, &WizardDriver());
    QVERIFY(!connectedThen);
    QVERIFY(m_messages.isEmpty());
}

void TestWizardShell::jobsByOFDTable_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("jobs");
    QTest::newRow("OFD table (150)") << 150 << 6;
    QTest::newRow("no OFD table (151)") << 151 << 5;
}

void TestWizardShell::jobsByOFDTable()
{
    QFETCH(int, model);
    QFETCH(int, jobs);
    QVERIFY(m_register->factoryReset(model));
    auto w = makeWindow();
    QVERIFY(wizardtest::ToJobPage(*w));
    QListWidget *list = jobList(*w);
    QCOMPARE(list->count(), jobs);
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(list->item(jobs - 1)->text(),
             jobs == 6 ? QStringLiteral("Настройка связи с ОФД") : QStringLiteral("Закрытие архива ФН"));
    QCOMPARE(Controller().RegParams.OFDEnabled, jobs == 6);
    // The search told the register's name and number.
    QCOMPARE(w->Pages().GetItem(2)->findChild<QLabel *>(QStringLiteral("lblDevice"))->text(),
             emu::findModel(model)->description + QStringLiteral(", зав. номер ") + m_register->snapshot().serialNumber);
    QVERIFY(m_messages.isEmpty());
    QVERIFY(!WizardDriver().Connected); // the page let the port go
}

void TestWizardShell::jobListFailureShowsTheDriverError()
{
    auto w = makeWindow();
    QVERIFY(wizardtest::ToChosenRegister(*w));
    Controller().RegParams.INN = QStringLiteral("7712345678");
    QVERIFY(m_register->injectFault(QStringLiteral("ReadModelParamValue"), 33, 1));
    press(*w, "btnNext");
    QCOMPARE(m_messages, QStringList{QStringLiteral("Ошибка 33, %1").arg(emu::errorDescription(33))});
    QCOMPARE(current(), QStringLiteral("TfmSelectWorkType"));
    QCOMPARE(jobList(*w)->count(), 5);
    QVERIFY(!Controller().RegParams.OFDEnabled);
    QVERIFY(Controller().RegParams.INN.isEmpty()); // the record was reset before the call
    QVERIFY(!WizardDriver().Connected);
    press(*w, "btnPrev");
    QCOMPARE(current(), QStringLiteral("TfmConnectDevice"));
}

void TestWizardShell::jobPaths_data()
{
    // Where each job leads from the job page, and the flags it sets. The rest
    // of each way is walked with real data by the fiscal step, data page and
    // network page tests.
    QTest::addColumn<bool>("x5");
    QTest::addColumn<int>("job");
    QTest::addColumn<QString>("flags"); // FirstTime, NewFN, IsOFDSettingMode as 0/1
    QTest::addColumn<QString>("first");
    QTest::newRow("new registration") << false << 0 << "100" << "TFmCheckStatusBeforeRegistration";
    QTest::newRow("new registration, X5") << true << 0 << "100" << "TFmCheckStatusBeforeRegistration";
    QTest::newRow("re-registration") << false << 1 << "000" << "TFmCheckStatusBeforeReRegistration";
    QTest::newRow("re-registration, new FN") << false << 2 << "010" << "TFmCheckStatusBeforeReRegistration";
    QTest::newRow("re-registration, X5: no status check") << true << 1 << "000" << "TfmKKTParamsX5";
    QTest::newRow("re-registration, new FN, X5") << true << 2 << "010" << "TfmKKTParamsX5";
    QTest::newRow("settlement report") << false << 3 << "---" << "TfmCalculationStateReport";
    QTest::newRow("closing the FN archive") << false << 4 << "---" << "TFmCheckStatusBeforeCloseFN";
    QTest::newRow("OFD setup") << false << 5 << "--1" << "TfmOFDParams";
}

void TestWizardShell::jobPaths()
{
    QFETCH(bool, x5);
    QFETCH(int, job);
    QFETCH(QString, flags);
    QFETCH(QString, first);
    auto w = makeWindow(x5);
    QVERIFY(wizardtest::ToJobPage(*w));
    jobList(*w)->setCurrentRow(job);
    press(*w, "btnNext");
    QCOMPARE(current(), first);
    verifyOnScreen(*w);
    const TController &c = Controller();
    const bool actual[] = {c.RegParams.FirstTime, c.RegParams.NewFN, c.IsOFDSettingMode};
    for (int i = 0; i < 3; ++i)
        if (flags[i] != u'-')
            QVERIFY2(actual[i] == (flags[i] == u'1'), qPrintable(QStringLiteral("flag %1").arg(i)));
    press(*w, "btnPrev");
    QCOMPARE(current(), QStringLiteral("TfmSelectWorkType"));
}

void TestWizardShell::newRegistrationForgetsANewFN()
{
    auto w = makeWindow();
    QVERIFY(wizardtest::ToJobPage(*w));
    jobList(*w)->setCurrentRow(2);
    press(*w, "btnNext");
    QVERIFY(Controller().RegParams.NewFN);
    press(*w, "btnHome");
    QVERIFY(wizardtest::ToJobPage(*w));
    jobList(*w)->setCurrentRow(0);
    press(*w, "btnNext");
    QVERIFY(Controller().RegParams.FirstTime);
    QVERIFY(!Controller().RegParams.NewFN);
}

QTEST_MAIN(TestWizardShell)
#include "tst_wizardshell.moc"
