// The search over a real serial line: kassio-emulator on a pseudo-terminal
// answering at one baud rate only, found after the rates before it in the
// search's order, stopped in the middle, taken on by the search page, and
// registered by the wizard over that line.
#include "EmulatorProcess.h"
#include "KassioTestEnv.h"
#include "WizardTestKit.h"

#include "emulator/DeviceCatalog.h"
#include "common/RegistrationNumber.h"
#include "emulator/EmulatedRegister.h"
#include "emulator/FiscalDrive.h"
#include "wizard/device/ConnectDevice.h"
#include "wizard/device/KassioBaudrate.h"
#include "wizard/device/KassioSearchDevice.h"
#include "wizard/device/SearchDevice.h"
#include "wizard/device/SelectPortType.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/MainForm.h"
#include "wizard/shell/SelectWorkType.h"
#include "wizard/shell/WizardMessages.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

class TestSerialSearch : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void foundOnTheEighthAttempt();
    void stopDuringTheAttemptAt4800();
    void pageTakesTheRegisterOnAtItsRate();
    void registrationOverTheLine();

private:
    // Runs the search to its end and returns the progress lines seen.
    QStringList follow(TKassioSearchDevice &search, const QString &stopAt = {});
    QString expectedLine() const
    {
        return QStringLiteral("%1, COM%2, 9600, ЗН: %3")
            .arg(emu::findModel(emu::defaultModelId())->description)
            .arg(m_emulator->com())
            .arg(m_serial);
    }

    TfmSearchDevice::TPortLister ptyPortOnly() const
    {
        const int com = m_emulator->com();
        return [com] {
            TSerialPorts ports;
            ports.Add(TSerialPortRec{QStringLiteral("COM%1").arg(com), QStringLiteral("Псевдотерминал (COM%1)").arg(com),
                                     QStringLiteral("PTY\\tty"), com});
            return ports;
        };
    }

    std::unique_ptr<KassioTestEnv> m_env;
    QString m_state;
    std::unique_ptr<EmulatorProcess> m_emulator;
    QString m_serial;
    QTemporaryDir m_folder;
    QStringList m_messages;
};

void TestSerialSearch::initTestCase()
{
    m_env = std::make_unique<KassioTestEnv>();
    const QString state = m_env->path(QStringLiteral("serial.db"));
    m_state = state;
    m_emulator = std::make_unique<EmulatorProcess>();
    QVERIFY2(m_emulator->start(state, {"--pty", m_env->path(QStringLiteral("tty")), "--baud", "9600"}),
             qPrintable(m_emulator->errors()));
    m_serial = emu::EmulatedRegister(state).snapshot().serialNumber;
    QVERIFY(!m_serial.isEmpty());
    SetWizardMessageResponder([this](const TWizardMessage &m) {
        m_messages << m.text;
        return QMessageBox::Ok;
    });
}

void TestSerialSearch::cleanup()
{
    FreeWizardDriver();
}

QStringList TestSerialSearch::follow(TKassioSearchDevice &search, const QString &stopAt)
{
    QStringList seen;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 30000) {
        const TSearchState state = search.GetState();
        if (state.Finished)
            break;
        if (!state.Text.isEmpty() && (seen.isEmpty() || seen.last() != state.Text)) {
            seen << state.Text;
            if (state.Text == stopAt)
                search.Stop();
        }
        QThread::msleep(5);
    }
    return seen;
}

void TestSerialSearch::foundOnTheEighthAttempt()
{
    TKassioSearchDevice search;
    search.SetParams({m_emulator->com(), 0, 300});
    search.Search();
    const QStringList seen = follow(search);
    QCOMPARE(seen, (QStringList{"Поиск: 115200", "Поиск: 4800", "Поиск: 230400", "Поиск: 460800", "Поиск: 921600",
                                "Поиск: 57600", "Поиск: 19200", "Поиск: 9600"}));
    const TSearchState state = search.GetState();
    QVERIFY(state.Finished && state.Succeded);
    QCOMPARE(state.Text, expectedLine());
    QCOMPARE(state.DeviceID, emu::defaultModelId());
    QCOMPARE(search.GetParams().Baudrate, 9600);
    QCOMPARE(search.GetSerial(), m_serial);
}

void TestSerialSearch::stopDuringTheAttemptAt4800()
{
    TKassioSearchDevice search;
    search.SetParams({m_emulator->com(), 0, 300});
    search.Search();
    QElapsedTimer t;
    t.start();
    const QStringList seen = follow(search, QStringLiteral("Поиск: 4800"));
    // The attempt at 4800 ran out and no further rate was tried.
    QCOMPARE(seen, (QStringList{"Поиск: 115200", "Поиск: 4800"}));
    const TSearchState state = search.GetState();
    QVERIFY(state.Finished);
    QVERIFY(!state.Succeded);
    QCOMPARE(state.Text, QStringLiteral("Поиск отменен"));
    QCOMPARE(search.GetParams().Baudrate, 0);
    QVERIFY2(t.elapsed() < 5000, qPrintable(QString::number(t.elapsed())));
}

void TestSerialSearch::pageTakesTheRegisterOnAtItsRate()
{
    const int com = m_emulator->com();
    const TfmSearchDevice::TPortLister lister = ptyPortOnly();
    auto w = std::make_unique<TfmMain>(m_folder.path(),
                                       std::vector<TfmMain::TPageFactory>{
                                           [] { return new TfmConnectDevice; },
                                           [] { return new TfmSelectPortType; },
                                           [lister] { return new TfmSearchDevice(lister); },
                                           [] { return new TfmSelectWorkType; },
                                       });
    w->show();
    auto *next = w->findChild<QPushButton *>(QStringLiteral("btnNext"));
    next->click();
    next->click();
    auto *list = Controller().CurrentPage->findChild<QTreeWidget *>(QStringLiteral("lvDevices"));
    QVERIFY(list);
    QTRY_COMPARE_WITH_TIMEOUT(list->topLevelItemCount(), 1, 20000);
    QCOMPARE(list->topLevelItem(0)->text(0), expectedLine());
    QVERIFY(next->isEnabled());
    next->click();
    QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join(u'\n')));
    QCOMPARE(QString::fromLatin1(Controller().CurrentPage->metaObject()->className()), QStringLiteral("TfmSelectWorkType"));
    // The job page spoke to the register over the line at 9600.
    QCOMPARE(Controller().CurrentPage->findChild<QLabel *>(QStringLiteral("lblDevice"))->text(),
             emu::findModel(emu::defaultModelId())->description + QStringLiteral(", зав. номер ") + m_serial);
    QCOMPARE(WizardDriver().ComNumber, com);
    QCOMPARE(WizardDriver().BaudRate, TKassioBaudrate::BaudrateToCode(9600));
    QVERIFY(!WizardDriver().Connected);
}

// A new registration from the job page to its result, every call over the
// line at 9600: the register on the pseudo-terminal ends in fiscal mode.
void TestSerialSearch::registrationOverTheLine()
{
    std::vector<TfmMain::TPageFactory> pages = TfmMain::DefaultPageList();
    pages.at(1) = [lister = ptyPortOnly()] { return new TfmSearchDevice(lister); };
    TfmMain w(m_folder.path(), pages);
    w.show();
    w.Next();
    w.Next();
    auto *list = Controller().CurrentPage->findChild<QTreeWidget *>(QStringLiteral("lvDevices"));
    QVERIFY(list);
    QTRY_COMPARE_WITH_TIMEOUT(list->topLevelItemCount(), 1, 20000);
    list->setCurrentItem(list->topLevelItem(0));
    w.Next();
    QCOMPARE(wizardtest::CurrentPageClass(), QStringLiteral("TfmSelectWorkType"));
    Controller().CurrentPage->findChild<QListWidget *>(QStringLiteral("listBox"))->setCurrentRow(0);
    w.Next();

    TRegParams data = wizardtest::ValidOfdData();
    data.INN = QStringLiteral("7707083893");
    data.RNM = GenerateRNM(QStringLiteral("0000000001"), data.INN, m_serial);
    data.CashierINN = QStringLiteral("500100732259");
    const auto nextUntil = [&](const QString &page) {
        for (int i = 0; i < 12 && wizardtest::CurrentPageClass() != page; ++i) {
            wizardtest::FillDataPage(data);
            w.Next();
            if (!m_messages.isEmpty())
                break;
        }
        return wizardtest::CurrentPageClass() == page && m_messages.isEmpty();
    };
    QVERIFY2(nextUntil(QStringLiteral("TfmWorkMode")), qPrintable(m_messages.join(u'|')));
    Controller().CurrentPage->findChild<QCheckBox *>(QStringLiteral("chkTax1"))->setChecked(true);
    QVERIFY2(nextUntil(QStringLiteral("TfmFiscalizationInfo")), qPrintable(m_messages.join(u'|')));

    QCOMPARE(WizardDriver().ComNumber, m_emulator->com());
    const emu::RegisterState state = emu::EmulatedRegister(m_state).snapshot();
    const emu::FiscalDrive fn = emu::FiscalDrive::load(state, QDateTime::currentDateTime());
    QVERIFY(fn.inFiscalMode());
    QCOMPARE(fn.documents.back().type, emu::fdtype::Registration);
    QCOMPARE(fn.documents.back().tag(emu::fntag::RegistrationNumber).toString(), data.RNM);
    QCOMPARE(Controller().RegParams.DocNumber, static_cast<int>(fn.documents.back().number));
}

QTEST_MAIN(TestSerialSearch)
#include "tst_serialsearch.moc"
