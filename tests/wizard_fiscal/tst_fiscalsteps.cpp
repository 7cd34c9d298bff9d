// The wizard's fiscal steps walked headless through the window against the
// built-in emulator: each job from the job list to its last page, then what
// the register holds; the status checks, the FFD choice, the registration's
// tags and its cancellation, and the OFD receipt with and without a cutter.
#include "KassioTestEnv.h"
#include "WizardTestKit.h"

#include "common/RegistrationNumber.h"
#include "emulator/EmulatedRegister.h"
#include "emulator/FiscalDrive.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/registration/WizardFileDialogs.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/MainForm.h"
#include "wizard/shell/WizardMessages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

enum Job { NewRegistration, Reregistration, ReregistrationNewFN, SettlementReport, CloseArchive, OFDSetup };

const QString UserINN = QStringLiteral("7707083893");
const QString CashierINN = QStringLiteral("500100732259");

QString text(const char *s)
{
    return QString::fromUtf8(s);
}

} // namespace

class TestFiscalSteps : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void newRegistrationJob();
    void newRegistrationOnTable10Register();
    void reregistrationJob();
    void reregistrationNewFNOnTable17();
    void emptyCashierINNSendsNoTag();
    void failingCashierINNCancelsTheDocument();
    void ofdReceiptCutOnlyWithCutter_data();
    void ofdReceiptCutOnlyWithCutter();
    void settlementReportJob();
    void settlementReportFailureKeepsThePage();
    void closeArchiveJob_data();
    void closeArchiveJob();
    void closeArchiveFailureIsShownOnThePage();
    void ofdSetupJob();

    void openShiftBlocksNext();
    void unsentDocumentsWarnAndCanBeSkipped();
    void failedCheckKeepsNextDisabled();
    void clockDifference_data();
    void clockDifference();
    void ffdPreselection_data();
    void ffdPreselection();
    void workModeNeedsATaxSystem();
    void osuModesAskWithoutOSU_data();
    void osuModesAskWithoutOSU();

private:
    std::unique_ptr<TfmMain> startJob(int job, bool x5 = false);
    // A button of the page on screen (pages of one form share the names), or
    // one of the window's own.
    void press(const char *button)
    {
        auto *b = Controller().CurrentPage->findChild<QAbstractButton *>(QLatin1String(button));
        if (!b)
            b = m_window->findChild<QAbstractButton *>(QLatin1String(button));
        QVERIFY2(b, button);
        b->click();
    }
    bool nextEnabled() const { return m_window->findChild<QAbstractButton *>(QStringLiteral("btnNext"))->isEnabled(); }
    static QString current() { return QString::fromLatin1(Controller().CurrentPage->metaObject()->className()); }
    template <typename T>
    static T *on(const char *name)
    {
        T *w = Controller().CurrentPage->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("no control %s on %s", name, Controller().CurrentPage->metaObject()->className());
        return w;
    }
    // Presses next until the page of class `page` is on screen; fails on a
    // message or when a page does not move on.
    void nextUntil(const char *page);
    // The registration data, in the record and in the data pages' edits
    // where the page on screen has them.
    void fillRegistrationData();
    void fillDataPage();
    QString rnm() { return GenerateRNM(QStringLiteral("0000000001"), UserINN, m_register->snapshot().serialNumber); }
    // Walks a registration job from its status check to the final page.
    void registerThroughTheWizard(int job);

    void changeDrive(const std::function<void(emu::FiscalDrive &, emu::RegisterState &)> &change);
    void fiscalize(); // the drive registered, as a register in use
    void addUnsentDocuments(int count);
    emu::FiscalDrive drive();
    QStringList tapeTexts(const QString &kind = QStringLiteral("text"));

    std::unique_ptr<KassioTestEnv> m_env;
    std::shared_ptr<emu::EmulatedRegister> m_register;
    std::unique_ptr<TfmMain> m_window;
    QTemporaryDir m_plainFolder;
    QTemporaryDir m_x5Folder;
    QTemporaryDir m_files;
    QStringList m_messages;
    QMessageBox::StandardButton m_answer = QMessageBox::Ok;
    QStringList m_offeredFiles;
};

void TestFiscalSteps::initTestCase()
{
    m_env = std::make_unique<KassioTestEnv>();
    m_register = emu::EmulatedRegister::shared(emu::EmulatedRegister::defaultStateFile());
    QFile marker(QDir(m_x5Folder.path()).filePath(QStringLiteral("X5.ini")));
    QVERIFY(marker.open(QIODevice::WriteOnly));
    SetWizardMessageResponder([this](const TWizardMessage &m) {
        m_messages << m.text;
        return m_answer;
    });
    SetWizardFileDialogResponder([this](const TWizardFileDialog &dialog) {
        const QString &offered = dialog.fileName;
        m_offeredFiles << offered;
        return QDir(m_files.path()).filePath(offered.isEmpty() ? QStringLiteral("saved.txt") : offered);
    });
}

void TestFiscalSteps::init()
{
    QVERIFY(m_register->factoryReset(emu::defaultModelId()));
    QVERIFY(m_register->clearTape());
    m_messages.clear();
    m_offeredFiles.clear();
    m_answer = QMessageBox::Ok;
}

void TestFiscalSteps::cleanup()
{
    m_window.reset();
    FreeWizardDriver();
}

std::unique_ptr<TfmMain> TestFiscalSteps::startJob(int job, bool x5)
{
    auto w = std::make_unique<TfmMain>(x5 ? m_x5Folder.path() : m_plainFolder.path(), wizardtest::PageList());
    w->show();
    if (!wizardtest::ToJobPage(*w))
        qFatal("the way to the job page is not as expected");
    auto *jobs = Controller().CurrentPage->findChild<QListWidget *>(QStringLiteral("listBox"));
    if (!jobs || jobs->count() <= job)
        qFatal("the job list does not offer job %d", job);
    jobs->setCurrentRow(job);
    w->findChild<QAbstractButton *>(QStringLiteral("btnNext"))->click();
    return w;
}

void TestFiscalSteps::nextUntil(const char *page)
{
    for (int i = 0; i < 12 && current() != QLatin1String(page); ++i) {
        const QString before = current();
        fillDataPage();
        press("btnNext");
        QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join(u'|')));
        QVERIFY2(current() != before, qPrintable(QStringLiteral("stuck on ") + before));
    }
    QCOMPARE(current(), QLatin1String(page));
}

void TestFiscalSteps::fillRegistrationData()
{
    TRegParams &r = Controller().RegParams;
    r.INN = UserINN;
    r.RNM = rnm();
    r.User = text("ООО \"Ромашка\"");
    r.Cashier = text("Старший кассир Иванов");
    r.CashierINN = CashierINN;
    r.Address = text("г. Москва, ул. Тверская, 1");
    r.PayPlace = text("Магазин");
    r.SenderEmail = QStringLiteral("shop@example.ru");
    r.TaxOfficeURL = QStringLiteral("www.nalog.gov.ru");
    r.OFDName = text("ОФД Тест");
    r.OFDUrl = QStringLiteral("ofd.example.ru");
    r.OFDINN = QStringLiteral("7704358518");
    r.OFDServer = QStringLiteral("k-server.example.ru");
    r.OFDPort = 21101;
    r.ServerKM = QStringLiteral("km.example.ru");
    r.PortKM = 31101;
}

void TestFiscalSteps::fillDataPage()
{
    wizardtest::FillDataPage(Controller().RegParams);
}

void TestFiscalSteps::registerThroughTheWizard(int job)
{
    m_window = startJob(job);
    fillRegistrationData();
    nextUntil("TfmWorkMode");
    on<QCheckBox>("chkTax1")->setChecked(true);
    on<QCheckBox>("chkWorkMode0")->setChecked(true);
    if (job != NewRegistration)
        on<QLineEdit>("edtReasonCodes")->setText(QStringLiteral("2147483648")); // 32. Иные причины
    nextUntil("TfmFiscalizationBefore");
    nextUntil("TfmFiscalizationInfo");
}

void TestFiscalSteps::changeDrive(const std::function<void(emu::FiscalDrive &, emu::RegisterState &)> &change)
{
    QVERIFY(m_register->modify([&](emu::RegisterState &s) {
        emu::FiscalDrive fn = emu::FiscalDrive::load(s, QDateTime::currentDateTime());
        change(fn, s);
        fn.store(s);
    }));
}

void TestFiscalSteps::fiscalize()
{
    const QString rnm = this->rnm();
    changeDrive([&rnm](emu::FiscalDrive &fn, emu::RegisterState &s) {
        fn.lifeState = emu::fnphase::Fiscal;
        fn.registration.inn = UserINN;
        fn.registration.rnm = rnm;
        fn.registration.taxType = 1;
        fn.registrationsDone = 1;
        s.tableValues[{18, 1, 2}] = UserINN;
        s.tableValues[{18, 1, 3}] = rnm;
        emu::FnDocument &d = fn.addDocument(emu::fdtype::Registration, QDateTime::currentDateTime());
        d.setTag(emu::fntag::UserInn, UserINN);
        fn.confirmUpTo(fn.lastDocumentNumber());
    });
}

void TestFiscalSteps::addUnsentDocuments(int count)
{
    changeDrive([count](emu::FiscalDrive &fn, emu::RegisterState &) {
        for (int i = 0; i < count; ++i)
            fn.addDocument(emu::fdtype::Receipt, QDateTime::currentDateTime());
    });
}

emu::FiscalDrive TestFiscalSteps::drive()
{
    return emu::FiscalDrive::load(m_register->snapshot(), QDateTime::currentDateTime());
}

QStringList TestFiscalSteps::tapeTexts(const QString &kind)
{
    QStringList out;
    for (const emu::TapeLine &line : m_register->tape())
        if (line.kind == kind)
            out << line.text;
    return out;
}

// ---- the registration jobs ------------------------------------------------

void TestFiscalSteps::newRegistrationJob()
{
    registerThroughTheWizard(NewRegistration);

    // The register holds the registration report with the record's data.
    const emu::FiscalDrive fn = drive();
    QVERIFY(fn.inFiscalMode());
    QCOMPARE(fn.currentDocument, emu::fnopen::None);
    const emu::FnDocument &doc = fn.documents.back();
    QCOMPARE(doc.type, emu::fdtype::Registration);
    QCOMPARE(doc.tag(emu::fntag::UserInn).toString(), UserINN);
    QCOMPARE(doc.tag(emu::fntag::RegistrationNumber).toString(), rnm());
    QCOMPARE(doc.tag(emu::fntag::TaxSystems).toInt(), 2);
    QCOMPARE(doc.tags.value(emu::fntag::WorkMode).toInt(), 1);
    QCOMPARE(doc.tag(1203).toString(), CashierINN);
    // The device tables carry the texts and the OFD and KM servers (FFD 1.2).
    const emu::RegisterState s = m_register->snapshot();
    const auto cell = [&](int t, int f) { return s.tableValues.count({t, 1, f}) ? s.tableValues.at({t, 1, f}) : QVariant(); };
    QCOMPARE(cell(18, 7).toString(), text("ООО \"Ромашка\""));
    QCOMPARE(cell(18, 14).toString(), text("Магазин"));
    QCOMPARE(cell(19, 1).toString(), QStringLiteral("k-server.example.ru"));
    QCOMPARE(cell(19, 2).toInt(), 21101);
    QCOMPARE(cell(19, 5).toString(), QStringLiteral("km.example.ru"));
    QCOMPARE(cell(17, 17).toInt(), 4);

    // The result page read the document back and shows it.
    const TRegParams &r = Controller().RegParams;
    QCOMPARE(r.DocNumber, static_cast<int>(doc.number));
    QCOMPARE(r.FiscalSign, QString::number(doc.fiscalSign));
    QCOMPARE(r.DocType, 1);
    QCOMPARE(on<QLabel>("lbl1")->text(), text("Произведена фискализация ККТ со следующими параметрами:"));
    const QStringList memo = on<QPlainTextEdit>("Memo")->toPlainText().split(u'\n');
    QVERIFY(memo.first().trimmed() == text("ОТЧЕТ О РЕГИСТРАЦИИ"));
    // Pairs flush right on the 48 characters of font 1 on 80 mm paper.
    const auto pair = [](const QString &label, const QString &value) {
        return label + QString(48 - label.size() - value.size(), u' ') + value;
    };
    QVERIFY(memo.contains(pair(QStringLiteral("ИНН пользователя:"), UserINN)));
    QVERIFY(memo.contains(pair(QStringLiteral("ЗН ККТ:"), s.serialNumber)));
    QVERIFY(memo.contains(pair(QStringLiteral("ЗН ФН:"), fn.serial)));
    QVERIFY(memo.contains(pair(QStringLiteral("ФПД:"), QString::number(doc.fiscalSign))));
    QVERIFY(!on<QPushButton>("btnSaveX5")->isVisible());

    // Printed for the OFD's account line by line, fed and cut.
    QVERIFY(m_register->clearTape());
    press("btnPrintReceipt");
    QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join(u'|')));
    QCOMPARE(tapeTexts(), memo);
    QCOMPARE(tapeTexts(QStringLiteral("feed")), QStringList{QStringLiteral("8")});
    QCOMPARE(tapeTexts(QStringLiteral("cut")), QStringList{QStringLiteral("partial")});

    // Saved as shown.
    press("btnSave");
    QFile saved(QDir(m_files.path()).filePath(QStringLiteral("saved.txt")));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(saved.readAll()), memo.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));

    nextUntil("TfmFinalMessage");
    QVERIFY(!WizardDriver().Connected);
}

void TestFiscalSteps::newRegistrationOnTable10Register()
{
    QVERIFY(m_register->factoryReset(19)); // FFD 1.05 in table 10, extra modes in table 13
    m_window = startJob(NewRegistration);
    fillRegistrationData();
    nextUntil("TfmFFD");
    QCOMPARE(on<QComboBox>("cbbFFD")->currentText(), text("ФФД 1.05"));
    nextUntil("TfmWorkMode");
    QVERIFY(on<QCheckBox>("chkAgent2")->isEnabled());
    QVERIFY(!on<QCheckBox>("chkWorkModeEx4")->isEnabled());
    on<QCheckBox>("chkTax0")->setChecked(true);
    on<QCheckBox>("chkAgent2")->setChecked(true);
    on<QCheckBox>("chkWorkModeEx0")->setChecked(true);
    nextUntil("TfmFiscalizationInfo");

    const emu::FiscalDrive fn = drive();
    QVERIFY(fn.inFiscalMode());
    const emu::FnDocument &doc = fn.documents.back();
    QCOMPARE(doc.type, emu::fdtype::Registration);
    QCOMPARE(doc.tag(1057).toInt(), 4); // the agent kind goes as a tag on this kind
    QCOMPARE(doc.tag(1203).toString(), CashierINN);
    const emu::RegisterState s = m_register->snapshot();
    QCOMPARE(s.tableValues.at({10, 1, 32}).toInt(), 1);
    QCOMPARE(s.tableValues.at({10, 1, 29}).toInt(), 2);
    QCOMPARE(s.tableValues.at({13, 1, 21}).toInt(), 1);
}

void TestFiscalSteps::reregistrationJob()
{
    fiscalize();
    registerThroughTheWizard(Reregistration);
    const emu::FnDocument doc = drive().documents.back();
    QCOMPARE(doc.type, emu::fdtype::Reregistration);
    QCOMPARE(doc.tag(emu::fntag::ReasonCode).toInt(), 2); // first of "2. Замена ОФД" ...
    QCOMPARE(static_cast<quint32>(doc.tag(emu::fntag::ReasonCodeEx).toDouble()), 0x80000000u);
    QCOMPARE(WizardDriver().ReportTypeInt, 2);
    QCOMPARE(on<QLabel>("lbl1")->text(), text("Произведена перерегистрация ККТ со следующими параметрами:"));
    QCOMPARE(Controller().RegParams.DocType, 2);
}

void TestFiscalSteps::reregistrationNewFNOnTable17()
{
    fiscalize();
    QVERIFY(m_register->newFiscalDrive());
    registerThroughTheWizard(ReregistrationNewFN);
    // The new drive took a report only the registration report can build:
    // the re-registration report needs a drive already in fiscal mode.
    const emu::FiscalDrive fn = drive();
    QVERIFY(fn.inFiscalMode());
    QCOMPARE(fn.documents.size(), std::size_t(1));
    QCOMPARE(fn.documents.back().tag(emu::fntag::ReasonCode).toInt(), 1);
    QCOMPARE(WizardDriver().ReportTypeInt, 1);
}

// ---- the cashier's INN tag -------------------------------------------------

void TestFiscalSteps::emptyCashierINNSendsNoTag()
{
    // A tag write would fail: a registration that sends none goes through.
    QVERIFY(m_register->injectFault(QStringLiteral("FNSendTag"), 33, 1));
    m_window = startJob(NewRegistration);
    fillRegistrationData();
    Controller().RegParams.CashierINN.clear();
    nextUntil("TfmWorkMode");
    on<QCheckBox>("chkTax0")->setChecked(true);
    nextUntil("TfmFiscalizationInfo");
    const emu::FiscalDrive fn = drive();
    QVERIFY(fn.inFiscalMode());
    QVERIFY(!fn.documents.back().tags.contains(QStringLiteral("1203")));
    QCOMPARE(m_register->snapshot().faults.size(), std::size_t(1)); // never reached
}

void TestFiscalSteps::failingCashierINNCancelsTheDocument()
{
    m_window = startJob(NewRegistration);
    fillRegistrationData();
    nextUntil("TfmWorkMode");
    on<QCheckBox>("chkTax0")->setChecked(true);
    nextUntil("TfmFiscalizationBefore");
    QVERIFY(m_register->injectFault(QStringLiteral("FNSendTag"), 33, 1));
    press("btnNext");
    QCOMPARE(m_messages.size(), 1);
    QVERIFY(m_messages.first().startsWith(QStringLiteral("Ошибка 33, ")));
    // The document begun before the tag is cancelled: the drive is free.
    const emu::FiscalDrive fn = drive();
    QCOMPARE(fn.currentDocument, emu::fnopen::None);
    QCOMPARE(fn.lifeState, emu::fnphase::Ready);
    QVERIFY(!WizardDriver().Connected);
    // Pressed again, the registration goes through.
    m_messages.clear();
    press("btnNext");
    QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join(u'|')));
    QVERIFY(drive().inFiscalMode());
}

// ---- the OFD receipt -------------------------------------------------------

void TestFiscalSteps::ofdReceiptCutOnlyWithCutter_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<QStringList>("cuts");
    QTest::newRow("cutter (150)") << 150 << QStringList{QStringLiteral("partial")};
    QTest::newRow("no cutter (151)") << 151 << QStringList{};
}

void TestFiscalSteps::ofdReceiptCutOnlyWithCutter()
{
    QFETCH(int, model);
    QFETCH(QStringList, cuts);
    QVERIFY(m_register->factoryReset(model));
    registerThroughTheWizard(NewRegistration);
    QVERIFY(m_register->clearTape());
    press("btnPrintReceipt");
    QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join(u'|')));
    QVERIFY(!tapeTexts().isEmpty());
    QCOMPARE(tapeTexts(QStringLiteral("feed")), QStringList{QStringLiteral("8")});
    QCOMPARE(tapeTexts(QStringLiteral("cut")), cuts);
}

// ---- settlement report -----------------------------------------------------

void TestFiscalSteps::settlementReportJob()
{
    fiscalize();
    addUnsentDocuments(2);
    m_window = startJob(SettlementReport);
    QCOMPARE(current(), QStringLiteral("TfmCalculationStateReport"));
    press("btnNext");
    QCOMPARE(m_messages, QStringList{text("Отчет успешно распечатан")});
    QCOMPARE(current(), QStringLiteral("TfmSelectWorkType"));
    QCOMPARE(drive().documents.back().type, emu::fdtype::CalculationReport);
    const QStringList tape = tapeTexts();
    QVERIFY(tape.contains(text("ОТЧЕТ О ТЕКУЩЕМ СОСТОЯНИИ РАСЧЕТОВ")));
    QVERIFY(tape.contains(text("НЕПЕРЕДАННЫХ ФД: 2")));
}

void TestFiscalSteps::settlementReportFailureKeepsThePage()
{
    m_window = startJob(SettlementReport); // a drive not yet registered
    press("btnNext");
    QCOMPARE(m_messages, QStringList{QStringLiteral("Ошибка 2, %1").arg(emu::errorDescription(2))});
    QCOMPARE(current(), QStringLiteral("TfmCalculationStateReport"));
    QVERIFY(tapeTexts().isEmpty());
}

// ---- closing the archive ---------------------------------------------------

void TestFiscalSteps::closeArchiveJob_data()
{
    QTest::addColumn<bool>("x5");
    QTest::newRow("normal") << false;
    QTest::newRow("X5") << true;
}

void TestFiscalSteps::closeArchiveJob()
{
    QFETCH(bool, x5);
    fiscalize();
    m_window = startJob(CloseArchive, x5);
    QCOMPARE(current(), QStringLiteral("TFmCheckStatusBeforeCloseFN"));
    press("btnNext");
    QCOMPARE(current(), QStringLiteral("TfmBeforeCloseFN"));
    press("btnNext");
    QCOMPARE(m_messages, QStringList{text("Введите имя и должность кассира")});
    QCOMPARE(current(), QStringLiteral("TfmBeforeCloseFN"));
    m_messages.clear();
    on<QLineEdit>("edtCashier")->setText(text("Кассир Петров"));
    press("btnNext");
    QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join(u'|')));
    QCOMPARE(current(), QStringLiteral("TfmCloseFN"));

    // Closed on show, without a question.
    QCOMPARE(on<QLabel>("lblStatus")->text(), text("Архив ФН успешно закрыт "));
    const emu::FiscalDrive fn = drive();
    QCOMPARE(fn.lifeState & emu::fnphase::FiscalModeClosed, emu::fnphase::FiscalModeClosed);
    QCOMPARE(fn.documents.back().type, emu::fdtype::CloseFiscalMode);
    QVERIFY(tapeTexts().contains(text("ОТЧЕТ О ЗАКРЫТИИ ФН")));
    QCOMPARE(m_register->snapshot().tableValues.at({2, 30, 2}).toString(), text("Кассир Петров"));
    QCOMPARE(on<QPushButton>("btnSaveX5")->isVisible(), x5);
    QCOMPARE(on<QLineEdit>("edtX5FactoryCode")->isVisible(), x5);
    QVERIFY(!WizardDriver().Connected);

    if (x5) {
        on<QLineEdit>("edtX5FactoryCode")->setText(QStringLiteral("F1"));
        press("btnSaveX5");
        QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join(u'|')));
        const QString serial = m_register->snapshot().serialNumber;
        QCOMPARE(m_offeredFiles, QStringList{QStringLiteral("%1_03_F1_%2.txt")
                                                 .arg(fn.documents.back().time.toString(QStringLiteral("yyyyMMdd")), serial)});
        QFile report(QDir(m_files.path()).filePath(m_offeredFiles.first()));
        QVERIFY(report.open(QIODevice::ReadOnly));
        QStringDecoder cp1251("windows-1251");
        QVERIFY(cp1251.isValid());
        const QString content = cp1251.decode(report.readAll());
        QVERIFY(content.contains(QStringLiteral("порядковый номер ФД: %1").arg(fn.documents.back().number)));
        QVERIFY(content.contains(QStringLiteral("ИНН пользователя: ") + UserINN));
    }
    press("btnNext");
    QCOMPARE(current(), QStringLiteral("TfmSelectWorkType"));
}

void TestFiscalSteps::closeArchiveFailureIsShownOnThePage()
{
    m_window = startJob(CloseArchive, true); // a drive not yet registered
    press("btnNext");
    on<QLineEdit>("edtCashier")->setText(text("Кассир Петров"));
    press("btnNext");
    QCOMPARE(current(), QStringLiteral("TfmCloseFN"));
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(on<QLabel>("lblStatus")->text(),
             QStringLiteral("Ошибка при закрытии архива ФН: 2, %1").arg(emu::errorDescription(2)));
    QVERIFY(!on<QPushButton>("btnSaveX5")->isVisible());
    QVERIFY(nextEnabled());
    press("btnNext");
    QCOMPARE(current(), QStringLiteral("TfmSelectWorkType"));
}

// ---- OFD setup --------------------------------------------------------------

void TestFiscalSteps::ofdSetupJob()
{
    fiscalize();
    addUnsentDocuments(2);
    m_window = startJob(OFDSetup);
    fillRegistrationData();
    nextUntil("TfmSelectNetType");
    on<QListWidget>("listBox")->setCurrentRow(1); // WiFi: no check from this computer
    press("btnNext");
    QCOMPARE(current(), QStringLiteral("TfmWiFiParams"));
    on<QLineEdit>("edtWiFiSSID")->setText(QStringLiteral("shop"));
    on<QLineEdit>("edtWiFiPass")->setText(QStringLiteral("secret12"));
    press("btnNext");
    QCOMPARE(m_messages.size(), 1); // written; restart the register
    QVERIFY(m_messages[0].contains(text("успешно записаны")));
    m_messages.clear();
    QCOMPARE(current(), QStringLiteral("TfmOFDExchangeState"));
    QCOMPARE(on<QLabel>("lblInfo")->text(),
             text("Кол-во неотправленных документов в ОФД: 2\r\nПроверьте настройки соединения с Интернет"));
    changeDrive([](emu::FiscalDrive &fn, emu::RegisterState &) { fn.confirmUpTo(fn.lastDocumentNumber()); });
    press("btnRefresh");
    QCOMPARE(on<QLabel>("lblInfo")->text(), text("Все документы успешно отправлены в ОФД\r\nНажмите \"Далее\""));
    QVERIFY(!WizardDriver().Connected);
    nextUntil("TfmFinalMessage");
}

// ---- status checks ---------------------------------------------------------

void TestFiscalSteps::openShiftBlocksNext()
{
    fiscalize();
    QCOMPARE(WizardDriver().OpenSession(), 0);
    m_window = startJob(NewRegistration);
    QCOMPARE(current(), QStringLiteral("TFmCheckStatusBeforeRegistration"));
    QCOMPARE(on<QLabel>("lblOFDStatus")->text(), text("Внимание! Смена не закрыта.\r\nПродолжение невозможно"));
    QVERIFY(!nextEnabled());
    QVERIFY(on<QPushButton>("btnCloseSession")->isEnabled());
    QVERIFY(!on<QPushButton>("btnSkip")->isVisible());

    press("btnCloseSession");
    QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join(u'|')));
    QVERIFY(tapeTexts().contains(text("ОТЧЕТ О ЗАКРЫТИИ СМЕНЫ")));
    // The closing report itself waits for the OFD.
    changeDrive([](emu::FiscalDrive &fn, emu::RegisterState &) { fn.confirmUpTo(fn.lastDocumentNumber()); });
    QVERIFY(on<QPushButton>("btnUpdataState")->isEnabled());
    press("btnUpdataState");
    QCOMPARE(on<QLabel>("lblOFDStatus")->text(),
             text("Смена закрыта. Все сообщения отправлены в ОФД.\r\nНажмите \"Далее\" для продолжения"));
    QVERIFY(nextEnabled());
    QVERIFY(!on<QPushButton>("btnCloseSession")->isEnabled());
    QVERIFY(!WizardDriver().Connected);
    press("btnNext");
    QCOMPARE(current(), QStringLiteral("TfmEnterSerial"));
}

void TestFiscalSteps::unsentDocumentsWarnAndCanBeSkipped()
{
    fiscalize();
    addUnsentDocuments(3);
    m_window = startJob(CloseArchive);
    QCOMPARE(on<QLabel>("lblOFDStatus")->text(),
             text("Внимание! Есть неотправленные сообщения для ОФД (3 шт.)\r\nПродолжение невозможно"));
    QVERIFY(!nextEnabled());
    QVERIFY(on<QPushButton>("btnSkip")->isVisible());
    QVERIFY(on<QPushButton>("btnUpdataState")->isEnabled());
    QVERIFY(WizardDriver().Connected); // kept for the driver to send them
    press("btnSkip");
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(current(), QStringLiteral("TfmBeforeCloseFN"));
    QVERIFY(!WizardDriver().Connected);
}

void TestFiscalSteps::failedCheckKeepsNextDisabled()
{
    QVERIFY(m_register->injectFault(QStringLiteral("FNGetInfoExchangeStatus"), 33, 1));
    m_window = startJob(NewRegistration);
    QCOMPARE(m_messages, QStringList{QStringLiteral("Ошибка 33, %1").arg(emu::errorDescription(33))});
    QCOMPARE(current(), QStringLiteral("TFmCheckStatusBeforeRegistration"));
    QVERIFY(!nextEnabled());
    QVERIFY(!WizardDriver().Connected);
    m_messages.clear();
    press("btnUpdataState");
    QVERIFY(m_messages.isEmpty());
    QVERIFY(nextEnabled());
}

void TestFiscalSteps::clockDifference_data()
{
    QTest::addColumn<qint64>("offsetMs");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("color");
    QTest::newRow("65 s behind") << qint64(-65000) << text("1 мин. 5 сек.") << "red";
    QTest::newRow("5 s behind") << qint64(-5000) << text(" 5 сек.") << "red";
    QTest::newRow("2 min ahead") << qint64(120000) << text("2 мин. 0 сек.") << "red";
    QTest::newRow("same") << qint64(0) << text("время совпадает") << "green";
}

void TestFiscalSteps::clockDifference()
{
    QFETCH(qint64, offsetMs);
    QFETCH(QString, shown);
    QFETCH(QString, color);
    // Half a second more would round the other way when the seconds were
    // rounded rather than cut.
    QVERIFY(m_register->setClockOffset(offsetMs == 0 ? 0 : offsetMs + (offsetMs < 0 ? -400 : 400)));
    m_window = startJob(NewRegistration);
    QCOMPARE(on<QLabel>("lblTimeDiff")->text(), shown);
    QVERIFY(on<QLabel>("lblTimeDiff")->styleSheet().contains(color));
    if (offsetMs == 0)
        return;
    press("btnSyncDateTime");
    QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join(u'|')));
    QCOMPARE(on<QLabel>("lblTimeDiff")->text(), text("время совпадает"));
    QVERIFY(!WizardDriver().Connected);
}

void TestFiscalSteps::ffdPreselection_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("1.2") << 4 << text("ФФД 1.2");
    QTest::newRow("1.1: not offered, 1.05 instead") << 3 << text("ФФД 1.05");
    QTest::newRow("1.05") << 2 << text("ФФД 1.05");
}

void TestFiscalSteps::ffdPreselection()
{
    QFETCH(int, stored);
    QFETCH(QString, shown);
    QVERIFY(m_register->modify([stored](emu::RegisterState &s) { s.tableValues[{17, 1, 17}] = stored; }));
    m_window = startJob(Reregistration);
    nextUntil("TfmFFD");
    auto *ffd = on<QComboBox>("cbbFFD");
    QCOMPARE(ffd->count(), 2);
    QCOMPARE(ffd->currentText(), shown);
    QVERIFY(!WizardDriver().Connected);
    // The other choice is what goes into the record.
    ffd->setCurrentIndex(1 - ffd->currentIndex());
    press("btnNext");
    QCOMPARE(Controller().RegParams.FFD, shown == text("ФФД 1.2") ? 2 : 4);
}

void TestFiscalSteps::workModeNeedsATaxSystem()
{
    m_window = startJob(NewRegistration);
    fillRegistrationData();
    nextUntil("TfmWorkMode");
    press("btnNext");
    QCOMPARE(m_messages, QStringList{text("Внимание!\r\nВыберите систему налогообложения")});
    QCOMPARE(current(), QStringLiteral("TfmWorkMode"));
    // For a first registration the reason codes do not apply.
    QVERIFY(!on<QComboBox>("cbReasonCode")->isVisibleTo(Controller().CurrentPage));
    QVERIFY(!on<QLineEdit>("edtReasonCodes")->isEnabled());
}

void TestFiscalSteps::osuModesAskWithoutOSU_data()
{
    QTest::addColumn<int>("osu");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("page");
    QTest::newRow("no OSU, cancelled") << 255 << int(QMessageBox::Cancel) << true << "TfmWorkMode";
    QTest::newRow("no OSU, confirmed") << 255 << int(QMessageBox::Ok) << true << "TfmFiscalizationBefore";
    QTest::newRow("OSU supported") << 0 << int(QMessageBox::Cancel) << false << "TfmFiscalizationBefore";
}

void TestFiscalSteps::osuModesAskWithoutOSU()
{
    QFETCH(int, osu);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(QString, page);
    changeDrive([osu](emu::FiscalDrive &fn, emu::RegisterState &) { fn.osuSupportStatus = osu; });
    m_window = startJob(NewRegistration);
    fillRegistrationData();
    nextUntil("TfmWorkMode"); // FFD 1.2: the catering box is open
    QVERIFY(on<QCheckBox>("chkWorkMode6")->isEnabled());
    on<QCheckBox>("chkTax0")->setChecked(true);
    on<QCheckBox>("chkWorkMode6")->setChecked(true);
    m_answer = static_cast<QMessageBox::StandardButton>(answer);
    press("btnNext");
    QCOMPARE(m_messages.size(), asked ? 1 : 0);
    if (asked)
        QVERIFY(m_messages.first().startsWith(text("ФН не поддерживает ОСУ.\r\n")));
    QCOMPARE(current(), page);
    QCOMPARE(Controller().RegParams.WorkMode, page == u"TfmWorkMode" ? quint8(255) : quint8(0x40));
}

QTEST_MAIN(TestFiscalSteps)
#include "tst_fiscalsteps.moc"
