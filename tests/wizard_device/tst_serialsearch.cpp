// The search over a real serial line: kassio-emulator on a pseudo-terminal
// answering at one baud rate only, found after the rates before it in the
// search's order, stopped in the middle, and taken on by the search page.
#include "EmulatorProcess.h"
#include "KassioTestEnv.h"

#include "emulator/DeviceCatalog.h"
#include "emulator/EmulatedRegister.h"
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

#include <QLabel>
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

    std::unique_ptr<KassioTestEnv> m_env;
    std::unique_ptr<EmulatorProcess> m_emulator;
    QString m_serial;
    QTemporaryDir m_folder;
    QStringList m_messages;
};

void TestSerialSearch::initTestCase()
{
    m_env = std::make_unique<KassioTestEnv>();
    const QString state = m_env->path(QStringLiteral("serial.db"));
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
    const TfmSearchDevice::TPortLister lister = [com] {
        TSerialPorts ports;
        ports.Add(TSerialPortRec{QStringLiteral("COM%1").arg(com), QStringLiteral("Псевдотерминал (COM%1)").arg(com),
                                 QStringLiteral("PTY\\tty"), com});
        return ports;
    };
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

QTEST_MAIN(TestSerialSearch)
#include "tst_serialsearch.moc"
