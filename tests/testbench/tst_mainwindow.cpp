// The test bench window headless: start-up state, the handler frame and the
// result panel, the password field, settings and language. Each test gets
// fresh settings and data folders (so a fresh emulated register) and a
// window whose first group carries two small test pages.

#include "fn/FnPageFixture.h"

#include "driver/Driver.h"
#include "testbench/shell/AboutForm.h"
#include "emulator/EmulatedRegister.h"
#include "testbench/shell/Language.h"
#include "testbench/shell/MainForm.h"
#include "testbench/shell/MessageBoxes.h"
#include "testbench/shell/NotifyThread.h"
#include "testbench/shell/Page.h"
#include "testbench/shell/RadioGroup.h"
#include "testbench/shell/SettingsWalker.h"
#include "testbench/shell/TabbedPage.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

namespace {

// A page with one control of every storable kind, a tag-1000 panel and
// field, and a button whose handler runs FBody in the handler frame.
class TTestPage : public TPage
{
    Q_OBJECT
public:
    TTestPage()
    {
        setWindowTitle(QStringLiteral("Тест"));
        auto *layout = new QVBoxLayout(this);
        const auto add = [&](auto *control, const char *name) {
            control->setObjectName(QLatin1String(name));
            layout->addWidget(control);
            return control;
        };
        btnRun = add(new QPushButton(QStringLiteral("Выполнить")), "btnRun");
        btnOther = add(new QPushButton(QStringLiteral("Другая")), "btnOther");
        edtValue = add(new QLineEdit, "edtValue");
        memValue = add(new QPlainTextEdit, "memValue");
        chbFlag = add(new QCheckBox(QStringLiteral("Флаг")), "chbFlag");
        cbChoice = add(new QComboBox, "cbChoice");
        cbChoice->addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        seCount = add(new QSpinBox, "seCount");
        seCount->setRange(0, 1000);
        dtpWhen = add(new QDateTimeEdit, "dtpWhen");
        rgMode = add(new TRadioGroup(QStringLiteral("Режим")), "rgMode");
        rgMode->SetItems({QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")});
        rgMode->SetItemIndex(0);
        auto *pnlPrivate = add(new QWidget, "pnlPrivate");
        pnlPrivate->setProperty("tag", 1000);
        edtInsidePrivate = new QLineEdit(pnlPrivate);
        edtInsidePrivate->setObjectName(QStringLiteral("edtInsidePrivate"));
        edtPrivate = add(new QLineEdit, "edtPrivate");
        edtPrivate->setProperty("tag", 1000);

        FBody = [] { Check(Driver()->Beep()); };
        OnClick(btnRun, [this] {
            ++FRuns;
            FButtonsDuringCall = btnRun->isEnabled() || btnOther->isEnabled() ? QStringLiteral("enabled")
                                                                              : QStringLiteral("disabled");
            FBody();
        });
    }

    void Initialize() override { ++FInitialized; }
    void UpdatePage() override { ++FUpdatePage; }
    void UpdateObject() override { ++FUpdateObject; }

    QPushButton *btnRun;
    QPushButton *btnOther;
    QLineEdit *edtValue;
    QPlainTextEdit *memValue;
    QCheckBox *chbFlag;
    QComboBox *cbChoice;
    QSpinBox *seCount;
    QDateTimeEdit *dtpWhen;
    TRadioGroup *rgMode;
    QLineEdit *edtInsidePrivate;
    QLineEdit *edtPrivate;

    std::function<void()> FBody;
    int FRuns = 0;
    QString FButtonsDuringCall;
    int FInitialized = 0;
    int FUpdatePage = 0;
    int FUpdateObject = 0;
};

class TSecondTestPage : public TTestPage
{
    Q_OBJECT
};

// The name under which the walker stores a control: object names from the
// window down, joined by '.'.
QString ValueName(const QWidget *control)
{
    QStringList parts;
    for (const QWidget *w = control; w; w = w->parentWidget())
        parts.prepend(w->objectName());
    return parts.join(QLatin1Char('.'));
}

QAction *FindAction(QWidget *window, const QString &name)
{
    return window->findChild<QAction *>(name);
}

QStringList MenuTitles(QWidget *window)
{
    QStringList titles;
    for (QAction *action : window->findChild<QMenuBar *>()->actions())
        titles << action->text();
    return titles;
}

} // namespace

class TestMainWindow : public QObject, BenchFixture
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void firstStartShowsFirstGroupAtDesignSize();
    void storedGroupIndexOutOfRangeShowsFirstGroup_data();
    void storedGroupIndexOutOfRangeShowsFirstGroup();
    void restoresGroupTabAndGeometry();
    void navigationCallsPageHooks();

    void handlerFrame_data();
    void handlerFrame();
    void failingCallStillFillsPanel();
    void queuedSecondClickDoesNotReenterHandler();
    void formGatingRestoresOnlyButtonsItDisabled();
    void workerThreadRunsBodyAndSynchronizes();

    void caption_data();
    void caption();

    void passwordTypingKeepsDigitsOnly();
    void passwordPaste_data();
    void passwordPaste();

    void controlValuesRoundTrip();
    void longTextIsStoredCut_data();
    void longTextIsStoredCut();
    void outOfRangeComboIndexLoadsFirstItem();
    void tag1000ControlsAreNeitherStoredNorRestored();

    void englishTakesEffectAtNextStart();
    void aboutShowsDriverAndProgramVersions();

private:
    void OpenWindow();
    void ReopenWindow();
    TTestPage *TestPage() const { return FWindow->Pages().PageByClass<TTestPage>(); }
    TSecondTestPage *SecondPage() const { return FWindow->Pages().PageByClass<TSecondTestPage>(); }
    QLineEdit *Field(const char *name) const { return FWindow->findChild<QLineEdit *>(QLatin1String(name)); }
};

void TestMainWindow::init()
{
    QVERIFY(StartFresh());
}

void TestMainWindow::cleanup()
{
    Finish();
    BindCatalogue();
}

void TestMainWindow::OpenWindow()
{
    TPageTable table = StandardPageTable();
    table.at(0).pages = {&CreatePage<TTestPage>, &CreatePage<TSecondTestPage>};
    FWindow = std::make_unique<TfmMain>(table);
    FWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(FWindow.get()));
}

// Closing saves the settings; the next window is a next start.
void TestMainWindow::ReopenWindow()
{
    FWindow.reset();
    OpenWindow();
}

void TestMainWindow::firstStartShowsFirstGroupAtDesignSize()
{
    OpenWindow();
    QCOMPARE(FWindow->size(), QSize(TfmMain::DesignWidth, TfmMain::DesignHeight));
    const QRect screen = FWindow->screen()->availableGeometry();
    // Centred (give or take the window frame).
    const QPoint offset = FWindow->geometry().center() - screen.center();
    QVERIFY2(qAbs(offset.x()) <= 4 && qAbs(offset.y()) <= 4, qPrintable(QStringLiteral("off centre by %1, %2")
                                                                             .arg(offset.x())
                                                                             .arg(offset.y())));

    QCOMPARE(FWindow->ShownGroup(), FWindow->Group(0));
    QCOMPARE(FWindow->GetTabIndex(), 0);
    QVERIFY(FWindow->Group(0)->isVisible());
    for (int i = 1; i < FWindow->GroupCount(); ++i)
        QVERIFY(!FWindow->Group(i)->isVisible());

    const auto *list = FWindow->findChild<QListWidget *>(QStringLiteral("lbGroups"));
    const QStringList expected = {
        "  01. Состояние", "  02. ФН сервис", "  03. ФН чеки (ФФД 1.05-1.2)", "  04. Чеки (ФФД 1.0)",
        "  05. Отчеты", "  06. Печать текста", "  07. Печать графики", "  08. Параметры устройства",
        "  09. Сервис", "  10. БД чеков", "  11. Прочее", "  12. Dorvex"};
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->item(i)->text();
    QCOMPARE(entries, expected);
    QCOMPARE(list->currentRow(), 0);

    // The group list's width limits: 14 at least, and never beyond 200 by a drag.
    QCOMPARE(list->minimumWidth(), 14);
    QVERIFY(list->maximumWidth() <= 200);
    QVERIFY(FWindow->findChild<QAction *>(QStringLiteral("miRussian"))->isChecked());
    QVERIFY(!FWindow->findChild<QAction *>(QStringLiteral("miEnglish"))->isChecked());
    QVERIFY(FMessages.isEmpty());
}

void TestMainWindow::storedGroupIndexOutOfRangeShowsFirstGroup_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("shown");
    QTest::newRow("12") << 12 << 0;
    QTest::newRow("99") << 99 << 0;
    QTest::newRow("-1") << -1 << 0;
    QTest::newRow("11 is the last group") << 11 << 11;
}

void TestMainWindow::storedGroupIndexOutOfRangeShowsFirstGroup()
{
    QFETCH(int, stored);
    QFETCH(int, shown);
    {
        const auto key = OpenParamKey();
        key->setValue(QStringLiteral("PageIndex"), stored);
        key->setValue(QStringLiteral("TabIndex"), 5); // beyond every group's tabs: ignored
    }
    OpenWindow();
    QCOMPARE(FWindow->ShownGroup(), FWindow->Group(shown));
    QCOMPARE(FWindow->GetTabIndex(), 0);
    // Nothing else was stored, so the design size stays.
    QCOMPARE(FWindow->size(), QSize(TfmMain::DesignWidth, TfmMain::DesignHeight));
}

void TestMainWindow::restoresGroupTabAndGeometry()
{
    OpenWindow();
    FWindow->SetPage(SecondPage());
    QCOMPARE(FWindow->GetTabIndex(), 1);
    FWindow->resize(700, 480);
    FWindow->move(40, 30);
    const QPoint position = FWindow->pos();
    ReopenWindow();
    QCOMPARE(FWindow->ShownGroup(), FWindow->Group(0));
    QCOMPARE(FWindow->GetTabIndex(), 1);
    QCOMPARE(FWindow->size(), QSize(700, 480));
    QCOMPARE(FWindow->pos(), position);

    // Another group is remembered the same way.
    FWindow->findChild<QListWidget *>(QStringLiteral("lbGroups"))->setCurrentRow(4);
    QCOMPARE(FWindow->ShownGroup(), FWindow->Group(4));
    ReopenWindow();
    QCOMPARE(FWindow->ShownGroup(), FWindow->Group(4));
    QVERIFY(FWindow->Group(4)->isVisible());
    QVERIFY(!FWindow->Group(0)->isVisible());
}

void TestMainWindow::navigationCallsPageHooks()
{
    OpenWindow();
    TTestPage *first = TestPage();
    TSecondTestPage *second = SecondPage();
    QCOMPARE(first->FInitialized, 1);
    QCOMPARE(second->FInitialized, 1);
    QCOMPARE(first->FUpdatePage, 1); // its group was shown at start
    QCOMPARE(second->FUpdatePage, 0);

    FWindow->Group(0)->PageControl()->setCurrentIndex(1);
    QCOMPARE(first->FUpdateObject, 1);
    QCOMPARE(second->FUpdatePage, 1);

    FWindow->findChild<QListWidget *>(QStringLiteral("lbGroups"))->setCurrentRow(2);
    QCOMPARE(second->FUpdateObject, 1);
    QCOMPARE(first->FUpdateObject, 1);

    // SetPage finds the group and the tab of a page.
    FWindow->SetPage(first);
    QCOMPARE(FWindow->ShownGroup(), FWindow->Group(0));
    QCOMPARE(FWindow->GetTabIndex(), 0);
    QCOMPARE(first->FUpdatePage, 2);
}

void TestMainWindow::handlerFrame_data()
{
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QStringList>("shownErrors");
    QTest::newRow("success") << "success" << QStringList();
    QTest::newRow("Check abort is silent") << "abort" << QStringList();
    QTest::newRow("input error is shown") << "error" << QStringList{"Некорректное значение в поле \"Сумма\""};
    QTest::newRow("other exception is shown") << "std" << QStringList{"сбой"};
}

void TestMainWindow::handlerFrame()
{
    QFETCH(QString, outcome);
    QFETCH(QStringList, shownErrors);
    OpenWindow();
    TTestPage *page = TestPage();
    QString panelDuringCall;
    bool navigationDuringCall = true;
    page->FBody = [&] {
        panelDuringCall = Field("edtResult")->text();
        // Nothing else may reach the driver while the call runs.
        navigationDuringCall = FWindow->findChild<QListWidget *>(QStringLiteral("lbGroups"))->isEnabled() || FWindow->findChild<QMenuBar *>(QStringLiteral("MainMenu"))->isEnabled();
        TPage::Check(Driver()->Beep());
        if (outcome == QLatin1String("abort"))
            TPage::Check(1);
        if (outcome == QLatin1String("error"))
            throw EKassioError(QStringLiteral("Некорректное значение в поле \"Сумма\""));
        if (outcome == QLatin1String("std"))
            throw std::runtime_error("сбой");
    };
    Field("edtResult")->setText(QStringLiteral("old"));
    QTest::mouseClick(page->btnRun, Qt::LeftButton);

    QCOMPARE(page->FRuns, 1);
    QCOMPARE(page->FButtonsDuringCall, QStringLiteral("disabled"));
    QVERIFY(panelDuringCall.isEmpty());
    QVERIFY(!navigationDuringCall);
    QVERIFY(FWindow->findChild<QListWidget *>(QStringLiteral("lbGroups"))->isEnabled() && FWindow->findChild<QMenuBar *>(QStringLiteral("MainMenu"))->isEnabled());
    QVERIFY(page->btnRun->isEnabled());
    QVERIFY(page->btnOther->isEnabled());
    QStringList errors;
    for (const TMessage &message : FMessages) {
        QCOMPARE(message.kind, TMessageKind::Critical);
        errors << message.text;
    }
    QCOMPARE(errors, shownErrors);
    // The panel shows the last driver call in every case.
    QVERIFY2(Field("edtResult")->text().startsWith(QStringLiteral("(0) ")), qPrintable(Field("edtResult")->text()));
}

void TestMainWindow::failingCallStillFillsPanel()
{
    OpenWindow();
    const auto device = emu::EmulatedRegister::shared(emu::EmulatedRegister::defaultStateFile());
    QVERIFY(device->injectFault(QStringLiteral("Beep"), 80, 1));
    Driver()->Password = 30;
    TTestPage *page = TestPage();
    QTest::mouseClick(page->btnRun, Qt::LeftButton);

    QCOMPARE(page->FRuns, 1);
    QVERIFY(FMessages.isEmpty()); // the abort is silent
    QCOMPARE(Driver()->ResultCode, 80);
    QVERIFY(!Driver()->ResultCodeDescription.isEmpty());
    QCOMPARE(Field("edtResult")->text(), QStringLiteral("(80) ") + Driver()->ResultCodeDescription);
    QVERIFY(!Field("edtInput")->text().isEmpty());
    QCOMPARE(Field("edtInput")->text(), Driver()->ECRInput);
    QVERIFY(!Field("edtOutput")->text().isEmpty());
    QCOMPARE(Field("edtOutput")->text(), Driver()->ECROutput);
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d+ мс$")).match(Field("edtTime")->text()).hasMatch(),
             qPrintable(Field("edtTime")->text()));
    QCOMPARE(Field("edtOperator")->text(), QStringLiteral("30"));
    QVERIFY(page->btnRun->isEnabled());

    // The next call succeeds and replaces the panel.
    QTest::mouseClick(page->btnRun, Qt::LeftButton);
    QVERIFY(Field("edtResult")->text().startsWith(QStringLiteral("(0) ")));
}

void TestMainWindow::queuedSecondClickDoesNotReenterHandler()
{
    OpenWindow();
    TTestPage *page = TestPage();
    QPushButton *button = page->btnRun;
    // A second click already waiting in the queue when the first one is
    // handled: the window processes pending events while the call starts.
    const QPointF local = button->rect().center();
    const QPointF global = button->mapToGlobal(local);
    QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonPress, local, global, Qt::LeftButton,
                                                        Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonRelease, local, global, Qt::LeftButton,
                                                        Qt::NoButton, Qt::NoModifier));
    button->click();
    QCoreApplication::processEvents();
    // A nested run would have started inside the first one's frame.
    QCOMPARE(page->FRuns, 1);
    QVERIFY(button->isEnabled());
}

void TestMainWindow::formGatingRestoresOnlyButtonsItDisabled()
{
    TBaseForm form;
    auto *layout = new QVBoxLayout(&form);
    auto *panel = new QWidget(&form);
    layout->addWidget(panel);
    auto *ok = new QPushButton(QStringLiteral("OK"), panel);
    auto *apply = new QPushButton(QStringLiteral("Применить"), &form);
    auto *designOff = new QPushButton(QStringLiteral("Прервать"), &form);
    designOff->setEnabled(false);
    for (QPushButton *button : {ok, apply, designOff})
        layout->addWidget(button);

    form.EnableButtons(false);
    QVERIFY(!ok->isEnabled() && !apply->isEnabled() && !designOff->isEnabled());
    form.EnableButtons(true);
    QVERIFY(ok->isEnabled() && apply->isEnabled());
    QVERIFY(!designOff->isEnabled());
    // A second round starts from a clean slate.
    form.EnableButtons(true);
    QVERIFY(!designOff->isEnabled());
}

void TestMainWindow::workerThreadRunsBodyAndSynchronizes()
{
    OpenWindow();
    TTestPage *page = TestPage();
    QThread *bodyThread = nullptr;
    QThread *syncThread = nullptr;
    auto thread = TNotifyThread::CreateThread(
        [&](TNotifyThread *self) {
            bodyThread = QThread::currentThread();
            self->Synchronize([&] { syncThread = QThread::currentThread(); });
            throw EKassioError(QStringLiteral("ошибка потока"));
        },
        page);
    QVERIFY(!thread->isRunning());
    thread->Resume();
    QTRY_VERIFY(thread->isFinished());
    QVERIFY(bodyThread && bodyThread != QThread::currentThread());
    QCOMPARE(syncThread, QThread::currentThread());
    // The body's error reaches the user on the user interface thread.
    QTRY_COMPARE(FMessages.size(), 1);
    QCOMPARE(FMessages.first().text, QStringLiteral("ошибка потока"));
}

void TestMainWindow::caption_data()
{
    QTest::addColumn<int>("connectionType");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("serial") << 0 << " [Serial: COM3 Baudrate 115200]";
    QTest::newRow("DCOM 1") << 1 << " [DCOM:HOST COM3 Baudrate 115200]";
    QTest::newRow("DCOM 2") << 2 << " [DCOM:HOST COM3 Baudrate 115200]";
    QTest::newRow("TCP") << 6 << " [TCP: 10.0.0.5: 7778]";
    QTest::newRow("other") << 5 << "";
}

void TestMainWindow::caption()
{
    QFETCH(int, connectionType);
    QFETCH(QString, suffix);
    OpenWindow();
    TDriver *driver = Driver();
    driver->ConnectionType = connectionType;
    driver->ComNumber = 3;
    driver->BaudRate = 6;
    driver->ComputerName = QStringLiteral("HOST");
    driver->IPAddress = QStringLiteral("10.0.0.5");
    driver->TCPPort = 7778;
    FWindow->UpdateCaption();
    QCOMPARE(FWindow->windowTitle(), TfmMain::GetDefCaption() + suffix);
    QVERIFY(TfmMain::GetDefCaption().startsWith(QStringLiteral("Тест драйвера кассовой техники 4.13.0.600 (")));
}

void TestMainWindow::passwordTypingKeepsDigitsOnly()
{
    OpenWindow();
    auto *password = Field("edtPassword");
    QCOMPARE(password->text(), QString::number(Driver()->Password));
    QCOMPARE(password->maxLength(), 100);
    password->setFocus();
    password->selectAll();
    QTest::keyClicks(password, QStringLiteral("1x2 "));
    for (const QChar ch : QStringLiteral("й"))
        QTest::sendKeyEvent(QTest::Click, password, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    QCOMPARE(password->text(), QStringLiteral("12"));
    QCOMPARE(Driver()->Password, 12);
    QVERIFY(FMessages.isEmpty());
}

void TestMainWindow::passwordPaste_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("error");
    QTest::newRow("integer") << "45" << QString();
    QTest::newRow("letter") << "4a" << "\"4a\" не является целым числом";
    QTest::newRow("1025 characters") << QString(1025, QLatin1Char('7')) << "Некорректное значение в поле \"Password\"";
}

void TestMainWindow::passwordPaste()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, error);
    OpenWindow();
    auto *password = Field("edtPassword");
    password->setFocus();
    password->selectAll();
    QGuiApplication::clipboard()->setText(clipboard);
    QTest::keySequence(password, QKeySequence::Paste);

    if (error.isEmpty()) {
        QVERIFY(FMessages.isEmpty());
        QCOMPARE(password->text(), clipboard);
        QCOMPARE(Driver()->Password, clipboard.toInt());
        return;
    }
    QCOMPARE(FMessages.size(), 1);
    QCOMPARE(FMessages.first().kind, TMessageKind::Critical);
    QCOMPARE(FMessages.first().text, error);
    QCOMPARE(password->text(), QStringLiteral("30"));
    QCOMPARE(Driver()->Password, 30);
}

void TestMainWindow::controlValuesRoundTrip()
{
    OpenWindow();
    TTestPage *page = TestPage();
    const QDateTime when(QDate(2024, 3, 15), QTime(10, 20, 30));
    page->edtValue->setText(QStringLiteral("текст"));
    page->memValue->setPlainText(QStringLiteral("строка 1\nстрока 2"));
    page->chbFlag->setChecked(true);
    page->cbChoice->setCurrentIndex(2);
    page->seCount->setValue(77);
    page->dtpWhen->setDateTime(when);
    page->rgMode->SetItemIndex(2);
    SecondPage()->edtValue->setText(QStringLiteral("второй"));
    ReopenWindow();

    page = TestPage();
    QCOMPARE(page->edtValue->text(), QStringLiteral("текст"));
    QCOMPARE(page->memValue->toPlainText(), QStringLiteral("строка 1\nстрока 2"));
    QVERIFY(page->chbFlag->isChecked());
    QCOMPARE(page->cbChoice->currentIndex(), 2);
    QCOMPARE(page->seCount->value(), 77);
    QCOMPARE(page->dtpWhen->dateTime(), when);
    QCOMPARE(page->rgMode->ItemIndex(), 2);
    QCOMPARE(SecondPage()->edtValue->text(), QStringLiteral("второй"));
}

void TestMainWindow::longTextIsStoredCut_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("edit") << "edtValue";
    QTest::newRow("memo") << "memValue";
}

void TestMainWindow::longTextIsStoredCut()
{
    QFETCH(QString, control);
    OpenWindow();
    auto *widget = TestPage()->findChild<QWidget *>(control);
    const QString name = ValueName(widget);
    const QString text = QString(4000, QLatin1Char('a')) + QString(1000, QLatin1Char('b'));
    if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        edit->setMaxLength(10000);
        edit->setText(text);
    } else {
        qobject_cast<QPlainTextEdit *>(widget)->setPlainText(text);
    }
    FWindow.reset();

    const auto key = OpenParamKey();
    QCOMPARE(key->value(name).toString(), text.left(4096));
}

void TestMainWindow::outOfRangeComboIndexLoadsFirstItem()
{
    OpenWindow();
    const QString name = ValueName(TestPage()->cbChoice);
    FWindow.reset();
    OpenParamKey()->setValue(name, 7);
    OpenWindow();
    QCOMPARE(TestPage()->cbChoice->currentIndex(), 0);
}

void TestMainWindow::tag1000ControlsAreNeitherStoredNorRestored()
{
    OpenWindow();
    TTestPage *page = TestPage();
    const QString privateName = ValueName(page->edtPrivate);
    const QString insideName = ValueName(page->edtInsidePrivate);
    const QString plainName = ValueName(page->edtValue);
    page->edtPrivate->setText(QStringLiteral("секрет"));
    page->edtInsidePrivate->setText(QStringLiteral("внутри"));
    page->edtValue->setText(QStringLiteral("обычное"));
    FWindow.reset();

    {
        const auto key = OpenParamKey();
        QCOMPARE(key->value(plainName).toString(), QStringLiteral("обычное"));
        for (const QString &stored : key->allKeys())
            QVERIFY2(!stored.contains(QLatin1String("Private")), qPrintable(stored));
        // Values planted under their names are not read back either.
        key->setValue(privateName, QStringLiteral("подброшено"));
        key->setValue(insideName, QStringLiteral("подброшено"));
        key->setValue(plainName, QStringLiteral("прочитано"));
    }
    OpenWindow();
    page = TestPage();
    QCOMPARE(page->edtValue->text(), QStringLiteral("прочитано"));
    QCOMPARE(page->edtPrivate->text(), QString());
    QCOMPARE(page->edtInsidePrivate->text(), QString());
}

void TestMainWindow::englishTakesEffectAtNextStart()
{
    OpenWindow();
    const QStringList russianMenus = {"Файл", "Язык", "Справка"};
    QCOMPARE(MenuTitles(FWindow.get()), russianMenus);
    const QString russianTitle = FWindow->windowTitle();

    FindAction(FWindow.get(), QStringLiteral("miEnglish"))->trigger();
    QCOMPARE(FMessages.size(), 1);
    QCOMPARE(FMessages.first().kind, TMessageKind::Information);
    QCOMPARE(FMessages.first().title, QStringLiteral("Внимание"));
    QCOMPARE(FMessages.first().text, QStringLiteral("Для измения языка необходимо перезапустить приложение"));
    QVERIFY(FindAction(FWindow.get(), QStringLiteral("miEnglish"))->isChecked());
    QVERIFY(!FindAction(FWindow.get(), QStringLiteral("miRussian"))->isChecked());
    // Nothing else changes in this run.
    QCOMPARE(MenuTitles(FWindow.get()), russianMenus);
    QCOMPARE(FWindow->windowTitle(), russianTitle);
    QCOMPARE(GetLanguage(), QStringLiteral("RU"));
    QCOMPARE(QSettings(GetUserVeltraPath() + QStringLiteral("/locale.ini"), QSettings::IniFormat)
                 .value(QStringLiteral("Locale/Lang"))
                 .toString(),
             QStringLiteral("EN"));

    // The next start.
    FWindow.reset();
    ForgetCachedLanguage();
    OpenWindow();
    QCOMPARE(MenuTitles(FWindow.get()), (QStringList{"File", "Language", "Help"}));
    QVERIFY2(FWindow->windowTitle().startsWith(QStringLiteral("Driver test")), qPrintable(FWindow->windowTitle()));
    const auto *list = FWindow->findChild<QListWidget *>(QStringLiteral("lbGroups"));
    QCOMPARE(list->item(0)->text(), QStringLiteral("  01. Status"));
    QCOMPARE(list->item(11)->text(), QStringLiteral("  12. Dorvex"));
    QVERIFY(FindAction(FWindow.get(), QStringLiteral("miEnglish"))->isChecked());
    QCOMPARE(FWindow->findChild<QPushButton *>(QStringLiteral("btnClose"))->text(), QStringLiteral("Close"));
}

void TestMainWindow::aboutShowsDriverAndProgramVersions()
{
    OpenWindow();
    TDriver *driver = Driver();
    driver->DriverMajorVersion = 5;
    driver->DriverMinorVersion = 1;
    driver->DriverRelease = 2;
    driver->DriverBuild = 3;
    TfmAbout about(FWindow.get());
    QCOMPARE(about.windowTitle(), QStringLiteral("О программе"));
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("lblDriverVersion"))->text(), QStringLiteral("5.1.2.3"));
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("lblTestVersion"))->text(), QStringLiteral("4.13.0.600"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
