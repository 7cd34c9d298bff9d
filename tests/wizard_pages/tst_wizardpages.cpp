// The registration data pages headless against the built-in emulator: each
// page's show, its checks with their exact messages, what it stores in the
// record and where it leads, in the normal and the X5 path. Pages are
// reached from a small start page that jumps straight to the page under
// test; the pages after them are left out, so the class a Next names is read
// from the controller.
#include "KassioTestEnv.h"
#include "WizardTestKit.h"

#include "common/RegistrationNumber.h"
#include "emulator/EmulatedRegister.h"
#include "emulator/FiscalDrive.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/registration/EnterSerial.h"
#include "wizard/registration/INN.h"
#include "wizard/registration/KKTParamsX5.h"
#include "wizard/registration/OFDParams.h"
#include "wizard/registration/OfdTemplates.h"
#include "wizard/registration/OpenRegParamsX5.h"
#include "wizard/registration/RegParamsX5.h"
#include "wizard/registration/UserParams.h"
#include "wizard/registration/WizardFileDialogs.h"
#include "wizard/registration/X5Files.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/MainForm.h"
#include "wizard/shell/WizardErrors.h"
#include "wizard/shell/WizardMessages.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

namespace {

TPageClass jumpTarget = nullptr;

class TfmTestJump : public TParamPage
{
    Q_OBJECT
public:
    TfmTestJump() : TParamPage(QStringLiteral("Старт")) {}
    void Next() override { Controller().NextPageClass = jumpTarget; }
};

const QString ValidINN10 = QStringLiteral("7707083893");
const QString ValidINN12 = QStringLiteral("500100732259");

QString required(const QString &name)
{
    return QStringLiteral("Введите значение \"%1\"!").arg(name);
}

} // namespace

class TestWizardPages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void enterSerial_data();
    void enterSerial();
    void enterSerialEnteredMeanwhile();
    void enterSerialKeys();
    void enterSerialLeadsToX5();

    void ofdShowReadsTheRegister();
    void ofdChecks_data();
    void ofdChecks();
    void ofdTaxOfficeWarning();
    void ofdStoresAndLeadsOn();
    void ofdTemplates();
    void ofdCorruptTemplate();
    void ofdWithoutOFDTable();
    void noOFDTableRegistrationPath();
    void ofdJobWritesTheRegister();

    void userShow();
    void userChecks_data();
    void userChecks();

    void innShow_data();
    void innShow();
    void innChecks_data();
    void innChecks();
    void innDigitsOnly();

    void kktParamsX5();
    void kktParamsX5Cancelled();
    void openRegParamsX5();
    void openRegParamsX5Malformed();
    void regParamsX5Reason_data();
    void regParamsX5Reason();
    void regParamsX5Checks_data();
    void regParamsX5Checks();

private:
    std::unique_ptr<TfmMain> makeWindow(bool x5 = false);
    template <typename TPage>
    TPage *open(TfmMain &w);
    // Presses next on the current page: the class it named, or "stay".
    QString next(TfmMain &w);
    template <typename T = QLineEdit>
    T *child(const char *name) { return Controller().CurrentPage->findChild<T *>(QLatin1String(name)); }
    void setText(const char *name, const QString &text) { child(name)->setText(text); }
    void fillOFD();
    QString DriveSerial() const
    {
        return emu::FiscalDrive::load(m_register->snapshot(), QDateTime::currentDateTime()).serial;
    }
    QString writeCp1251(const QString &name, const QStringList &lines);

    std::unique_ptr<KassioTestEnv> m_env;
    std::shared_ptr<emu::EmulatedRegister> m_register;
    QTemporaryDir m_plainFolder;
    QTemporaryDir m_x5Folder;
    QTemporaryDir m_files;
    QStringList m_messages;
    QStringList m_titles;
    QList<QMessageBox::StandardButton> m_answers; // next answers, Ok when empty
    QList<TWizardFileDialog> m_dialogs;
    QString m_dialogAnswer;
};

void TestWizardPages::initTestCase()
{
    m_env = std::make_unique<KassioTestEnv>();
    // Common template folder of this run (the shipped templates are copied in).
    qputenv("XDG_DATA_DIRS", m_env->path(QStringLiteral("common")).toUtf8());
    m_register = emu::EmulatedRegister::shared(emu::EmulatedRegister::defaultStateFile());
    QFile marker(QDir(m_x5Folder.path()).filePath(QStringLiteral("X5.ini")));
    QVERIFY(marker.open(QIODevice::WriteOnly));
    SetWizardMessageResponder([this](const TWizardMessage &m) {
        m_messages << m.text;
        m_titles << m.title;
        return m_answers.isEmpty() ? QMessageBox::Ok : m_answers.takeFirst();
    });
    SetWizardFileDialogResponder([this](const TWizardFileDialog &d) {
        m_dialogs << d;
        return m_dialogAnswer;
    });
}

void TestWizardPages::init()
{
    QVERIFY(m_register->factoryReset(emu::defaultModelId()));
    m_messages.clear();
    m_answers.clear();
    m_dialogs.clear();
    m_dialogAnswer.clear();
    TController &c = Controller();
    c.ClearRegParams();
    c.RegParams.FirstTime = true;
    c.RegParams.NewFN = false;
    c.RegParams.OFDEnabled = true;
    c.RegParams.FFD = 2;
    c.RegParams.ServerKM.clear();
    c.RegParams.PortKM = 0;
    c.IsOFDSettingMode = false;
    c.Yur = true;
}

void TestWizardPages::cleanup()
{
    FreeWizardDriver();
}

std::unique_ptr<TfmMain> TestWizardPages::makeWindow(bool x5)
{
    auto w = std::make_unique<TfmMain>(
        x5 ? m_x5Folder.path() : m_plainFolder.path(),
        std::vector<TfmMain::TPageFactory>{
            [] { return new TfmTestJump; }, [] { return new TfmEnterSerial; }, [] { return new TfmOFDParams; },
            [] { return new TfmUserParams; }, [] { return new TfmINN; }, [] { return new TfmKKTParamsX5; },
            [] { return new TfmOpenRegParamsX5; }, [] { return new TfmRegParamsX5; }});
    w->show();
    return w;
}

template <typename TPage>
TPage *TestWizardPages::open(TfmMain &w)
{
    w.Home();
    jumpTarget = &TPage::staticMetaObject;
    w.Next();
    return qobject_cast<TPage *>(Controller().CurrentPage);
}

QString TestWizardPages::next(TfmMain &w)
{
    TParamPage *page = Controller().CurrentPage;
    w.Next();
    if (Controller().CurrentPage == page)
        return QStringLiteral("stay");
    return QString::fromLatin1(Controller().NextPageClass->className());
}

QString TestWizardPages::writeCp1251(const QString &name, const QStringList &lines)
{
    const QString path = QDir(m_files.path()).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    QStringEncoder encoder("windows-1251");
    file.write(encoder.encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    return path;
}

// ---- "Введите заводской номер"

void TestWizardPages::enterSerial_data()
{
    QTest::addColumn<QString>("serial"); // the register's number before
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");  // the register's number after next
    QTest::addColumn<QStringList>("messages");
    const QStringList written{QStringLiteral("Заводской номер успешно введен!\r\nПерезагрузите устройство")};
    QTest::newRow("has a number: read-only") << "0012345678901234" << QString() << "0012345678901234" << QStringList();
    QTest::newRow("zeros: typed") << "0000000000000000" << "AB-0042" << "AB-0042" << written;
    QTest::newRow("empty: scanned fields") << "" << "x;y;0099887766;z" << "0099887766" << written;
    QTest::newRow("zeros: nothing typed") << "0000" << "" << "0000" << QStringList();
}

void TestWizardPages::enterSerial()
{
    QFETCH(QString, serial);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QFETCH(QStringList, messages);
    QVERIFY(m_register->modify([&](emu::RegisterState &s) { s.serialNumber = serial; }));
    auto w = makeWindow();
    QVERIFY(open<TfmEnterSerial>(*w));
    const bool entered = serial.contains(QRegularExpression(QStringLiteral("[^0]")));
    QCOMPARE(child<QLabel>("lblSerialEntered")->isVisible(), entered);
    QCOMPARE(child("edtSerial")->isEnabled(), !entered);
    QCOMPARE(child("edtSerial")->text(), entered ? serial : QString());
    QCOMPARE(child("edtSerial")->maxLength(), 20);
    if (!typed.isEmpty())
        setText("edtSerial", typed);
    QCOMPARE(next(*w), QStringLiteral("TfmSelectClientType"));
    QCOMPARE(m_messages, messages);
    QCOMPARE(m_register->snapshot().serialNumber, after);
    QVERIFY(!WizardDriver().Connected);
}

void TestWizardPages::enterSerialEnteredMeanwhile()
{
    QVERIFY(m_register->modify([](emu::RegisterState &s) { s.serialNumber = QStringLiteral("0000000000"); }));
    auto w = makeWindow();
    open<TfmEnterSerial>(*w);
    setText("edtSerial", QStringLiteral("1111"));
    QVERIFY(m_register->modify([](emu::RegisterState &s) { s.serialNumber = QStringLiteral("0000555"); }));
    QCOMPARE(next(*w), QStringLiteral("TfmSelectClientType"));
    QCOMPARE(m_messages, QStringList{QStringLiteral("Заводской номер уже введен!\r\n0000555")});
    QCOMPARE(m_register->snapshot().serialNumber, QStringLiteral("0000555")); // never overwritten
}

void TestWizardPages::enterSerialKeys()
{
    QVERIFY(m_register->modify([](emu::RegisterState &s) { s.serialNumber.clear(); }));
    auto w = makeWindow();
    open<TfmEnterSerial>(*w);
    QLineEdit *edit = child("edtSerial");
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("Ab-1;z!# .,"));
    QKeyEvent cyrillic(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("ж"));
    QCoreApplication::sendEvent(edit, &cyrillic);
    QKeyEvent latin1(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("é")); // code 233
    QCoreApplication::sendEvent(edit, &latin1);
    QCOMPARE(edit->text(), QStringLiteral("Ab-1;zé"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QStringLiteral("Ab-1;z"));

    // A scanner's Enter takes the third field and does not press next.
    edit->setText(QStringLiteral("KKT;77;0001234567;X"));
    edit->setCursorPosition(0);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(edit->text(), QStringLiteral("0001234567"));
    QCOMPARE(edit->cursorPosition(), 10);
    QVERIFY(qobject_cast<TfmEnterSerial *>(Controller().CurrentPage));
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(m_register->snapshot().serialNumber, QString());
}

void TestWizardPages::enterSerialLeadsToX5()
{
    auto w = makeWindow(true);
    open<TfmEnterSerial>(*w);
    QCOMPARE(next(*w), QStringLiteral("TfmKKTParamsX5"));
}

// ---- "Настройки ОФД"

void TestWizardPages::fillOFD()
{
    setText("edtOFDServer", QStringLiteral("k-server.ofd.ru"));
    setText("edtOFDPort", QStringLiteral("21101"));
    setText("edtOFDName", QStringLiteral("ООО \"Тест ОФД\""));
    setText("edtOFDUrl", QStringLiteral("www.test-ofd.ru"));
    setText("edtINNOFD", ValidINN10);
    setText("edtTaxOfficeURL", DefaultTaxOfficeURL());
    setText("edtServerKM", QStringLiteral("km.test-ofd.ru"));
    setText("edtPortKM", QStringLiteral("7790"));
    setText("edtSenderEmail", QStringLiteral("kkt@shop.ru"));
}

void TestWizardPages::ofdShowReadsTheRegister()
{
    TableWriteStr(19, 1, 1, QStringLiteral("ofd.register.ru"));
    TableWriteInt(19, 1, 2, 7777);
    TableWriteStr(18, 1, 10, QStringLiteral("ОФД из ККТ"));
    TableWriteStr(18, 1, 11, QStringLiteral("www.ofd-kkt.ru"));
    TableWriteStr(18, 1, 12, ValidINN10);
    TableWriteStr(18, 1, 15, QStringLiteral("from@kkt.ru"));
    Controller().RegParams.OFDName = QStringLiteral("ОФД из записи"); // the record wins over the register
    auto w = makeWindow();
    QVERIFY(open<TfmOFDParams>(*w));
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(child("edtOFDServer")->text(), QStringLiteral("ofd.register.ru"));
    QCOMPARE(child("edtOFDPort")->text(), QStringLiteral("7777"));
    QCOMPARE(child("edtOFDName")->text(), QStringLiteral("ОФД из записи"));
    QCOMPARE(child("edtOFDUrl")->text(), QStringLiteral("www.ofd-kkt.ru"));
    QCOMPARE(child("edtINNOFD")->text(), ValidINN10);
    QCOMPARE(child("edtTaxOfficeURL")->text(), DefaultTaxOfficeURL());
    QCOMPARE(child("edtSenderEmail")->text(), QStringLiteral("from@kkt.ru"));
    QVERIFY(child("edtOFDServer")->isEnabled());
    QVERIFY(!child("edtServerKM")->isEnabled()); // FFD 1.05
    QVERIFY(!child<QLabel>("lblPortKM")->isEnabled());
    auto *list = child<QComboBox>("cbTemplate");
    QCOMPARE(list->currentText(), QStringLiteral("--Выбрать шаблон--"));
    QCOMPARE(list->count(), OfdTemplateFiles().size() + 1);
    QVERIFY(!WizardDriver().Connected);
}

void TestWizardPages::ofdChecks_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("ffd");
    QTest::addColumn<QString>("message");
    QTest::newRow("server") << "edtOFDServer" << "" << 2 << required(QStringLiteral("Сервер ОФД"));
    QTest::newRow("port") << "edtOFDPort" << " " << 2 << required(QStringLiteral("Порт сервера ОФД"));
    QTest::newRow("name") << "edtOFDName" << "" << 2 << required(QStringLiteral("Имя ОФД"));
    QTest::newRow("url") << "edtOFDUrl" << "" << 2 << required(QStringLiteral("URL ОФД"));
    QTest::newRow("INN") << "edtINNOFD" << "" << 2 << required(QStringLiteral("ИНН ОФД"));
    QTest::newRow("tax site") << "edtTaxOfficeURL" << "" << 2 << required(QStringLiteral("URL налог. органа"));
    QTest::newRow("KM server, FFD 1.2") << "edtServerKM" << "" << 4 << required(QStringLiteral("Сервер KM"));
    QTest::newRow("KM port, FFD 1.2") << "edtPortKM" << "" << 4 << required(QStringLiteral("Порт сервера KM"));
    QTest::newRow("e-mail") << "edtSenderEmail" << "" << 2 << required(QStringLiteral("E-mail отправителя"));
    for (const char *email : {"kkt.shop.ru", "@shop.ru", "kkt@"})
        QTest::newRow(email) << "edtSenderEmail" << email << 2 << "Введен некорректный E-mail отправителя";
    QTest::newRow("INN check digit") << "edtINNOFD" << "7707083894" << 2 << "ИНН ОФД не валидный!";
    QTest::newRow("INN length") << "edtINNOFD" << "770708389" << 2 << "ИНН ОФД не валидный!";
    QTest::newRow("INN not digits") << "edtINNOFD" << "77070a3893" << 2 << "Ошибка в ИНН ОФД";
    QTest::newRow("port not a number") << "edtOFDPort" << "80a" << 2
                                       << "Некорректное значение \"Порт сервера ОФД\": 80a";
}

void TestWizardPages::ofdChecks()
{
    QFETCH(QString, edit);
    QFETCH(QString, value);
    QFETCH(int, ffd);
    QFETCH(QString, message);
    Controller().RegParams.FFD = ffd;
    auto w = makeWindow();
    open<TfmOFDParams>(*w);
    fillOFD();
    setText(qPrintable(edit), value);
    QCOMPARE(next(*w), QStringLiteral("stay"));
    QCOMPARE(m_messages, QStringList{message});
    QVERIFY(Controller().RegParams.OFDServer.isEmpty()); // nothing stored
}

void TestWizardPages::ofdTaxOfficeWarning()
{
    auto w = makeWindow();
    open<TfmOFDParams>(*w);
    fillOFD();
    setText("edtTaxOfficeURL", QStringLiteral("www.other.ru"));
    const QString question = QStringLiteral("URL налогового органа отличается от \r\n\"%1\"\r\nПродолжить?")
                                 .arg(DefaultTaxOfficeURL());
    m_answers = {QMessageBox::Cancel};
    m_titles.clear();
    QCOMPARE(next(*w), QStringLiteral("stay"));
    QCOMPARE(m_messages, (QStringList{question, QStringLiteral("Исправьте URL налогового органа")}));
    // The question is a warning of its own; the error that follows is the wizard's.
    QCOMPARE(m_titles, (QStringList{QStringLiteral("Внимание!"), WizardTitle()}));
    m_messages.clear();
    QCOMPARE(next(*w), QStringLiteral("TfmUserParams"));
    QCOMPARE(m_messages, QStringList{question});
    QCOMPARE(Controller().RegParams.TaxOfficeURL, QStringLiteral("www.other.ru"));
}

void TestWizardPages::ofdStoresAndLeadsOn()
{
    Controller().RegParams.FFD = 4;
    auto w = makeWindow();
    open<TfmOFDParams>(*w);
    QVERIFY(child("edtServerKM")->isEnabled());
    fillOFD();
    QCOMPARE(next(*w), QStringLiteral("TfmUserParams"));
    QVERIFY(m_messages.isEmpty());
    const TRegParams &r = Controller().RegParams;
    QCOMPARE(r.OFDServer, QStringLiteral("k-server.ofd.ru"));
    QCOMPARE(r.OFDPort, 21101);
    QCOMPARE(r.OFDName, QStringLiteral("ООО \"Тест ОФД\""));
    QCOMPARE(r.OFDUrl, QStringLiteral("www.test-ofd.ru"));
    QCOMPARE(r.OFDINN, ValidINN10);
    QCOMPARE(r.ServerKM, QStringLiteral("km.test-ofd.ru"));
    QCOMPARE(r.PortKM, 7790);
    QCOMPARE(r.SenderEmail, QStringLiteral("kkt@shop.ru"));
    // Not the OFD setup job: the register keeps its settings.
    QCOMPARE(TableReadStr(19, 1, 1), QString());
}

void TestWizardPages::ofdTemplates()
{
    const TOfdTemplate saved{QStringLiteral("t.ofd.ru"), QStringLiteral("9999"), QStringLiteral("Шаблонный ОФД"),
                             QStringLiteral("www.t-ofd.ru"), ValidINN10, DefaultTaxOfficeURL(),
                             QString(), QString(), QStringLiteral("t@ofd.ru")};
    WriteOfdTemplate(QDir(OfdTemplateFolder()).filePath(QStringLiteral("Тестовый.xml")), saved);
    Controller().RegParams.OFDName = QStringLiteral("Прежний ОФД");
    auto w = makeWindow();
    open<TfmOFDParams>(*w);
    auto *list = child<QComboBox>("cbTemplate");
    const int item = list->findText(QStringLiteral("Тестовый"));
    QVERIFY(item > 0);
    list->setCurrentIndex(item);
    QCOMPARE(child("edtOFDServer")->text(), QStringLiteral("t.ofd.ru"));
    QCOMPARE(child("edtOFDName")->text(), QStringLiteral("Шаблонный ОФД"));
    QCOMPARE(child("edtSenderEmail")->text(), QStringLiteral("t@ofd.ru"));
    // The placeholder puts back what the page showed when it opened.
    list->setCurrentIndex(0);
    QCOMPARE(child("edtOFDName")->text(), QStringLiteral("Прежний ОФД"));
    QCOMPARE(child("edtOFDServer")->text(), QString());

    // Save as: the dialog opens in the template folder; the file holds the edits.
    fillOFD();
    m_dialogAnswer = QDir(m_files.path()).filePath(QStringLiteral("saved.xml"));
    child<QPushButton>("btnSaveFile")->click();
    QCOMPARE(m_dialogs.size(), 1);
    QVERIFY(m_dialogs[0].save);
    QCOMPARE(QDir::fromNativeSeparators(m_dialogs[0].folder), OfdTemplateFolder() + u'/');
    const TOfdTemplate written = ReadOfdTemplate(m_dialogAnswer);
    QCOMPARE(written.OFDName, QStringLiteral("ООО \"Тест ОФД\""));
    QCOMPARE(written.OFDPort, QStringLiteral("21101"));
    QCOMPARE(written.PortKM, QStringLiteral("7790"));

    // Open: loads the chosen file; a cancelled dialog changes nothing.
    WriteOfdTemplate(m_dialogAnswer, saved);
    child<QPushButton>("btnOpenFile")->click();
    QCOMPARE(child("edtOFDName")->text(), QStringLiteral("Шаблонный ОФД"));
    m_dialogAnswer.clear();
    child<QPushButton>("btnOpenFile")->click();
    QCOMPARE(child("edtOFDName")->text(), QStringLiteral("Шаблонный ОФД"));
    QVERIFY(m_messages.isEmpty());
}

void TestWizardPages::ofdCorruptTemplate()
{
    const QString path = QDir(OfdTemplateFolder()).filePath(QStringLiteral("Испорченный.xml"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<OFDParams><OFDServer>x</OFDServ");
    }
    QString expected;
    try {
        ReadOfdTemplate(path);
    } catch (const EWizardError &e) {
        expected = e.Message();
    }
    QVERIFY(!expected.isEmpty());
    auto w = makeWindow();
    open<TfmOFDParams>(*w);
    fillOFD();
    auto *list = child<QComboBox>("cbTemplate");
    list->setCurrentIndex(list->findText(QStringLiteral("Испорченный")));
    QCOMPARE(m_messages, QStringList{expected});
    QCOMPARE(child("edtOFDServer")->text(), QStringLiteral("k-server.ofd.ru")); // edits untouched
    QVERIFY(QFile::remove(path));
}

void TestWizardPages::ofdWithoutOFDTable()
{
    QVERIFY(m_register->factoryReset(151));
    Controller().RegParams.OFDEnabled = false;
    auto w = makeWindow();
    open<TfmOFDParams>(*w);
    QVERIFY(m_messages.isEmpty());
    QVERIFY(!child("edtOFDServer")->isEnabled());
    QVERIFY(!child("edtOFDPort")->isEnabled());
    QCOMPARE(child("edtOFDPort")->text(), QString());
    fillOFD();
    setText("edtOFDServer", QString());
    setText("edtOFDPort", QString());
    // The placeholder after a template must not fail on the empty port.
    child<QComboBox>("cbTemplate")->setCurrentIndex(0);
    fillOFD();
    setText("edtOFDServer", QString());
    setText("edtOFDPort", QString());
    QCOMPARE(next(*w), QStringLiteral("TfmUserParams"));
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(Controller().RegParams.OFDPort, 0);
}

void TestWizardPages::noOFDTableRegistrationPath()
{
    // The whole window, as the user goes: job "Регистрация новой ККТ" on a
    // register without an OFD table passes the OFD page.
    QVERIFY(m_register->factoryReset(151));
    TfmMain w(m_plainFolder.path(), wizardtest::PageList());
    w.show();
    QVERIFY(wizardtest::ToJobPage(w));
    Controller().CurrentPage->findChild<QListWidget *>(QStringLiteral("listBox"))->setCurrentRow(0);
    for (int i = 0; i < 8 && !qobject_cast<TfmOFDParams *>(Controller().CurrentPage); ++i)
        w.Next();
    QVERIFY(qobject_cast<TfmOFDParams *>(Controller().CurrentPage));
    QVERIFY(m_messages.isEmpty());
    fillOFD();
    w.Next();
    QVERIFY2(qobject_cast<TfmUserParams *>(Controller().CurrentPage), qPrintable(m_messages.join(u'|')));
    QVERIFY(m_messages.isEmpty());
}

void TestWizardPages::ofdJobWritesTheRegister()
{
    TfmMain w(m_plainFolder.path(), wizardtest::PageList());
    w.show();
    QVERIFY(wizardtest::ToJobPage(w));
    Controller().CurrentPage->findChild<QListWidget *>(QStringLiteral("listBox"))->setCurrentRow(5);
    w.Next();
    QVERIFY(qobject_cast<TfmOFDParams *>(Controller().CurrentPage));
    fillOFD();
    m_answers = {QMessageBox::Cancel};
    setText("edtTaxOfficeURL", QStringLiteral("www.other.ru"));
    w.Next(); // refused: nothing written
    QCOMPARE(TableReadStr(19, 1, 1), QString());
    setText("edtTaxOfficeURL", DefaultTaxOfficeURL());
    m_messages.clear();
    w.Next();
    QCOMPARE(QString::fromLatin1(Controller().CurrentPage->metaObject()->className()),
             QStringLiteral("TfmSelectNetType"));
    QVERIFY(m_messages.isEmpty());
    QVERIFY(!WizardDriver().Connected);
    QCOMPARE(TableReadStr(19, 1, 1), QStringLiteral("k-server.ofd.ru"));
    QCOMPARE(TableReadInt(19, 1, 2), 21101);
}

// ---- "Настройки места установки ККТ"

void TestWizardPages::userShow()
{
    TableWriteStr(18, 1, 7, QStringLiteral("ООО \"Ромашка\""));
    TableWriteStr(18, 1, 8, QStringLiteral("Иванов"));
    TableWriteStr(18, 1, 9, QStringLiteral("Москва"));
    TableWriteStr(18, 1, 14, QStringLiteral("Магазин"));
    Controller().RegParams.Cashier = QStringLiteral("Петров");
    Controller().RegParams.SenderEmail = QStringLiteral("a@b.ru");
    auto w = makeWindow();
    open<TfmUserParams>(*w);
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(child("edtUser")->text(), QStringLiteral("ООО \"Ромашка\""));
    QCOMPARE(child("edtOperator")->text(), QStringLiteral("Петров"));
    QCOMPARE(child("edtAddress")->text(), QStringLiteral("Москва"));
    QCOMPARE(child("edtPaymentPlace")->text(), QStringLiteral("Магазин"));
    QCOMPARE(child("edtSenderEmail")->text(), QStringLiteral("a@b.ru"));
    QCOMPARE(child("edtPaymentPlace")->maxLength(), 256);
    QCOMPARE(child("edtCashierINN")->maxLength(), 64);
    QVERIFY(!WizardDriver().Connected);
}

void TestWizardPages::userChecks_data()
{
    QTest::addColumn<QStringList>("edits"); // user, operator, address, place, e-mail, cashier INN
    QTest::addColumn<int>("ffd");
    QTest::addColumn<int>("answer"); // to the missing place question
    QTest::addColumn<QStringList>("messages");
    const QString placeQuestion = QStringLiteral("Не введено место расчета\r\nПродолжить?\r\n");
    const QStringList ok{};
    QTest::newRow("all given") << QStringList{"Орг", "Опер", "Адрес", "Место", "a@b.ru", ValidINN12} << 2
                               << int(QMessageBox::Ok) << ok;
    QTest::newRow("no user") << QStringList{"", "Опер", "Адрес", "Место", "a@b.ru", ""} << 2 << int(QMessageBox::Ok)
                             << QStringList{required(QStringLiteral("Наименование организации"))};
    QTest::newRow("no operator") << QStringList{"Орг", "", "Адрес", "Место", "a@b.ru", ""} << 2
                                 << int(QMessageBox::Ok) << QStringList{required(QStringLiteral("Имя оператора"))};
    QTest::newRow("place without address") << QStringList{"Орг", "Опер", "", "Место", "a@b.ru", ""} << 2
                                           << int(QMessageBox::Ok)
                                           << QStringList{required(QStringLiteral("Адрес организации"))};
    QTest::newRow("neither address nor place") << QStringList{"Орг", "Опер", "", "", "a@b.ru", ""} << 2
                                               << int(QMessageBox::Ok) << ok;
    QTest::newRow("no place, continue") << QStringList{"Орг", "Опер", "Адрес", "", "a@b.ru", ""} << 2
                                        << int(QMessageBox::Ok) << QStringList{placeQuestion};
    QTest::newRow("no place, cancel") << QStringList{"Орг", "Опер", "Адрес", "", "a@b.ru", ""} << 2
                                      << int(QMessageBox::Cancel)
                                      << QStringList{placeQuestion, required(QStringLiteral("Место расчетов"))};
    QTest::newRow("no place, FFD 1.0: no question") << QStringList{"Орг", "Опер", "Адрес", "", "", ""} << 1
                                                    << int(QMessageBox::Cancel) << ok;
    QTest::newRow("no e-mail") << QStringList{"Орг", "Опер", "", "", "", ""} << 2 << int(QMessageBox::Ok)
                               << QStringList{required(QStringLiteral("E-mail отправителя"))};
    QTest::newRow("bad e-mail") << QStringList{"Орг", "Опер", "", "", "@b.ru", ""} << 3 << int(QMessageBox::Ok)
                                << QStringList{QStringLiteral("Введен некорректный E-mail отправителя")};
    for (const QString &inn : {QStringLiteral("500100732258"), QStringLiteral("12345"), QStringLiteral("ИНН")})
        QTest::newRow(qPrintable(QStringLiteral("cashier INN ") + inn))
            << QStringList{"Орг", "Опер", "", "", "a@b.ru", inn} << 2 << int(QMessageBox::Ok)
            << QStringList{QStringLiteral("Введен невалидный \"ИНН кассира\" !")};
}

void TestWizardPages::userChecks()
{
    QFETCH(QStringList, edits);
    QFETCH(int, ffd);
    QFETCH(int, answer);
    QFETCH(QStringList, messages);
    Controller().RegParams.FFD = ffd;
    auto w = makeWindow();
    open<TfmUserParams>(*w);
    const char *names[] = {"edtUser", "edtOperator", "edtAddress", "edtPaymentPlace", "edtSenderEmail",
                           "edtCashierINN"};
    for (int i = 0; i < 6; ++i)
        setText(names[i], edits[i]);
    m_answers = {static_cast<QMessageBox::StandardButton>(answer)};
    const bool passes = messages.isEmpty() || messages.last().startsWith(QStringLiteral("Не введено"));
    QCOMPARE(next(*w), passes ? QStringLiteral("TfmINN") : QStringLiteral("stay"));
    QCOMPARE(m_messages, messages);
    const TRegParams &r = Controller().RegParams;
    if (passes) {
        QCOMPARE((QStringList{r.User, r.Cashier, r.Address, r.PayPlace, r.SenderEmail, r.CashierINN}), edits);
    } else {
        QVERIFY(r.User.isEmpty());
    }
}

// ---- "Введите ИНН и РНМ ККТ"

void TestWizardPages::innShow_data()
{
    QTest::addColumn<bool>("firstTime");
    QTest::addColumn<bool>("newFN");
    QTest::addColumn<bool>("yur");
    QTest::newRow("new registration, organisation") << true << false << true;
    QTest::newRow("new registration, person") << true << false << false;
    QTest::newRow("re-registration") << false << false << true;
    QTest::newRow("re-registration, new FN") << false << true << false;
}

void TestWizardPages::innShow()
{
    QFETCH(bool, firstTime);
    QFETCH(bool, newFN);
    QFETCH(bool, yur);
    TableWriteStr(18, 1, 2, ValidINN10 + QStringLiteral("  "));
    TableWriteStr(18, 1, 3, QStringLiteral("0000000001012345"));
    Controller().RegParams.FirstTime = firstTime;
    Controller().RegParams.NewFN = newFN;
    Controller().Yur = yur;
    auto w = makeWindow();
    open<TfmINN>(*w);
    QVERIFY(m_messages.isEmpty());
    const bool editable = firstTime || newFN;
    QCOMPARE(child<QLabel>("lblInfo")->isVisible(), !editable);
    QCOMPARE(child("edtINN")->isEnabled(), editable);
    QCOMPARE(child("edtRNM")->isEnabled(), editable);
    QCOMPARE(child("edtINN")->maxLength(), yur ? 10 : 12);
    QCOMPARE(child("edtRNM")->maxLength(), 20);
    QCOMPARE(child("edtINN")->text(), firstTime ? QString() : ValidINN10);
    QCOMPARE(child("edtRNM")->text(), firstTime ? QString() : QStringLiteral("0000000001012345"));
}

void TestWizardPages::innChecks_data()
{
    QTest::addColumn<QString>("inn");
    QTest::addColumn<QString>("rnm"); // "valid" is made for the register
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("passes");
    const QString question = QStringLiteral("Введен некорректный РНМ для данной ККТ\r\nВсе равно продолжить?");
    const QStringList badInn{QStringLiteral("Введен некорректный ИНН!")};
    QTest::newRow("valid") << ValidINN10 << "valid" << int(QMessageBox::Cancel) << QStringList() << true;
    QTest::newRow("valid, 12 digits") << ValidINN12 << "valid" << int(QMessageBox::Cancel) << QStringList() << true;
    QTest::newRow("empty INN") << "" << "valid" << int(QMessageBox::Ok) << badInn << false;
    QTest::newRow("INN check digit") << "7707083894" << "valid" << int(QMessageBox::Ok) << badInn << false;
    QTest::newRow("INN of 11 digits") << "77070838931" << "valid" << int(QMessageBox::Ok) << badInn << false;
    QTest::newRow("no RNM") << ValidINN10 << "" << int(QMessageBox::Ok) << QStringList{QStringLiteral("Введите РНМ!")}
                            << false;
    QTest::newRow("wrong RNM, cancel") << ValidINN10 << "0000000001000000" << int(QMessageBox::Cancel)
                                       << QStringList{question} << false;
    QTest::newRow("wrong RNM, continue") << ValidINN10 << "0000000001000000" << int(QMessageBox::Ok)
                                         << QStringList{question} << true;
}

void TestWizardPages::innChecks()
{
    QFETCH(QString, inn);
    QFETCH(QString, rnm);
    QFETCH(int, answer);
    QFETCH(QStringList, messages);
    QFETCH(bool, passes);
    QVERIFY(m_register->modify([](emu::RegisterState &s) { s.serialNumber = QStringLiteral("0012345678"); }));
    if (rnm == u"valid")
        rnm = GenerateRNM(QStringLiteral("0000000001"), inn, QStringLiteral("0012345678"));
    Controller().Yur = inn.size() == 10;
    auto w = makeWindow();
    open<TfmINN>(*w);
    setText("edtINN", inn);
    setText("edtRNM", rnm);
    m_answers = {static_cast<QMessageBox::StandardButton>(answer)};
    QCOMPARE(next(*w), passes ? QStringLiteral("TfmWorkMode") : QStringLiteral("stay"));
    QCOMPARE(m_messages, messages);
    QCOMPARE(Controller().RegParams.INN, passes ? inn : QString());
    QCOMPARE(Controller().RegParams.RNM, passes ? rnm : QString());
    QVERIFY(!WizardDriver().Connected);
}

void TestWizardPages::innDigitsOnly()
{
    auto w = makeWindow();
    open<TfmINN>(*w);
    QTest::keyClicks(child("edtINN"), QStringLiteral("77a0-7 08"));
    QTest::keyClicks(child("edtRNM"), QStringLiteral("00x01"));
    QCOMPARE(child("edtINN")->text(), QStringLiteral("770708"));
    QCOMPARE(child("edtRNM")->text(), QStringLiteral("0001"));
}

// ---- X5 pages

void TestWizardPages::kktParamsX5()
{
    auto w = makeWindow(true);
    open<TfmKKTParamsX5>(*w);
    QCOMPARE(child<QComboBox>("cbbModelFN")->currentText(), QStringLiteral("1.0"));
    setText("edtFactoryCode", QStringLiteral("F1"));
    setText("edtAutomatNumber", QStringLiteral("A-7"));
    child<QComboBox>("cbbModelFN")->setCurrentIndex(2);
    m_dialogAnswer = QDir(m_files.path()).filePath(QStringLiteral("kkt.txt"));
    QCOMPARE(next(*w), QStringLiteral("TfmOpenRegParamsX5"));
    QVERIFY(m_messages.isEmpty());
    const QString serial = m_register->snapshot().serialNumber;
    QCOMPARE(m_dialogs.size(), 1);
    QVERIFY(m_dialogs[0].save);
    QCOMPARE(m_dialogs[0].fileName, X5FileName(X5KKTParams, serial, QStringLiteral("F1"), QDate::currentDate()));
    QCOMPARE(Controller().RegParams.AutomatNumber, QStringLiteral("A-7"));
    QCOMPARE(Controller().RegParams.X5FactoryCode, QStringLiteral("F1"));
    QFile file(m_dialogAnswer);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QStringDecoder decoder("windows-1251");
    const QStringList lines = QString(decoder.decode(file.readAll())).split(QStringLiteral("\r\n"));
    QVERIFY(lines.size() >= 10);
    QCOMPARE(lines[2], QStringLiteral("Код завода: F1"));
    QCOMPARE(lines[3], QStringLiteral("зав. номер ККТ: ") + serial);
    QCOMPARE(lines[4], QStringLiteral("Модель ККТ: ") + emu::findModel(emu::defaultModelId())->description);
    QCOMPARE(lines[5], QStringLiteral("зав. номер ФН: ") + DriveSerial());
    QVERIFY(lines[6].endsWith(QStringLiteral("ФН-1.1")));
    QCOMPARE(lines[7], QStringLiteral("Версия модели: %1").arg(emu::defaultModelId()));
    QCOMPARE(lines[8], QStringLiteral("Номер автомата: A-7"));
    QVERIFY(!WizardDriver().Connected);
}

void TestWizardPages::kktParamsX5Cancelled()
{
    auto w = makeWindow(true);
    open<TfmKKTParamsX5>(*w);
    const qsizetype files = QDir(m_files.path()).count();
    QCOMPARE(next(*w), QStringLiteral("stay"));
    QCOMPARE(m_dialogs.size(), 1);
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(QDir(m_files.path()).count(), files);
    // Back still leads out of the page.
    w->Prev();
    QVERIFY(qobject_cast<TfmTestJump *>(Controller().CurrentPage));
}

namespace {

QStringList customerFile()
{
    return {QStringLiteral("Параметры регистрации"),
            QStringLiteral("наименование пользователя: ООО \"Ромашка\""),
            QStringLiteral("Адрес: Москва"),
            QStringLiteral("ИНН пользователя: 7707083893"),
            QStringLiteral("рег. номер ККТ: 0000000001012345"),
            QStringLiteral("системы налогообложения: 2"),
            QStringLiteral("Признак банковского агента: 0"),
            QStringLiteral("Признак банковского субагента: 0"),
            QStringLiteral("признак платежного агента: 1"),
            QStringLiteral("Признак платежного субагента: 0"),
            QStringLiteral("автономный режим: 0"),
            QStringLiteral("признак АС БСО: 0"),
            QStringLiteral("признак шифрования: 1"),
            QStringLiteral("автоматический режим: 0"),
            QStringLiteral("признак услуги: 0"),
            QStringLiteral("признак расчетов в интернете: 0"),
            QStringLiteral("признак лотереи: 0"),
            QStringLiteral("признак развозной торговли: 0"),
            QStringLiteral("признак продажи подакцизных товаров: 0"),
            QStringLiteral("признак проведения игр: 0"),
            QStringLiteral("признак платежный терминал: 0"),
            QStringLiteral("признак установки принтера в автомате: 0"),
            QStringLiteral("место расчетов: Магазин"),
            QStringLiteral("наименование ОФД: ОФД"),
            QStringLiteral("ИНН ОФД: 7707083893"),
            QStringLiteral("Сервер ОФД: ofd.ru"),
            QStringLiteral("Порт: 21101")};
}

} // namespace

void TestWizardPages::openRegParamsX5()
{
    auto w = makeWindow(true);
    open<TfmOpenRegParamsX5>(*w);
    m_dialogAnswer.clear();
    QCOMPARE(next(*w), QStringLiteral("stay")); // cancelled
    m_dialogAnswer = writeCp1251(QStringLiteral("reg.txt"), customerFile());
    QCOMPARE(next(*w), QStringLiteral("TfmRegParamsX5"));
    QVERIFY(m_messages.isEmpty());
    QVERIFY(!m_dialogs[0].save);
    const TRegParams &r = Controller().RegParams;
    QCOMPARE(r.User, QStringLiteral("ООО \"Ромашка\""));
    QCOMPARE(r.INN, ValidINN10);
    QCOMPARE(r.TaxSystem, quint8(4));
    QCOMPARE(r.OFDPort, 21101);
    QCOMPARE(r.KKTSerial, m_register->snapshot().serialNumber);
    QCOMPARE(r.FNSerial, DriveSerial());
}

void TestWizardPages::openRegParamsX5Malformed()
{
    auto w = makeWindow(true);
    open<TfmOpenRegParamsX5>(*w);
    Controller().RegParams.User = QStringLiteral("прежний");
    QStringList lines = customerFile();
    lines.removeLast();
    m_dialogAnswer = writeCp1251(QStringLiteral("noport.txt"), lines);
    QCOMPARE(next(*w), QStringLiteral("stay"));
    QCOMPARE(m_messages, QStringList{QStringLiteral("Не найден атрибут файла: Порт")});
    lines = customerFile();
    lines[5] = QStringLiteral("системы налогообложения: 6");
    m_dialogAnswer = writeCp1251(QStringLiteral("tax.txt"), lines);
    m_messages.clear();
    QCOMPARE(next(*w), QStringLiteral("stay"));
    QCOMPARE(m_messages, QStringList{QStringLiteral("Некорректная система налогообложения: 6 (строка 6)")});
    // A good file but a failing register: still nothing taken from the file.
    m_dialogAnswer = writeCp1251(QStringLiteral("good.txt"), customerFile());
    QVERIFY(m_register->injectFault(QStringLiteral("ReadSerialNumber"), 33, 1));
    m_messages.clear();
    QCOMPARE(next(*w), QStringLiteral("stay"));
    QCOMPARE(m_messages, QStringList{QStringLiteral("Ошибка 33, %1").arg(emu::errorDescription(33))});
    QCOMPARE(Controller().RegParams.User, QStringLiteral("прежний"));
    QVERIFY(Controller().RegParams.INN.isEmpty());
}

void TestWizardPages::regParamsX5Reason_data()
{
    QTest::addColumn<bool>("firstTime");
    QTest::addColumn<bool>("newFN");
    QTest::addColumn<int>("reasonItem");
    QTest::addColumn<int>("reasonCode");
    QTest::newRow("registration") << true << false << 0 << 2;
    QTest::newRow("re-registration") << false << false << 2 << 4;
    QTest::newRow("re-registration, new FN") << false << true << 2 << 1;
}

void TestWizardPages::regParamsX5Reason()
{
    QFETCH(bool, firstTime);
    QFETCH(bool, newFN);
    QFETCH(int, reasonItem);
    QFETCH(int, reasonCode);
    Controller().RegParams.FirstTime = firstTime;
    Controller().RegParams.NewFN = newFN;
    auto w = makeWindow(true);
    open<TfmRegParamsX5>(*w);
    const bool reason = !firstTime && !newFN;
    QCOMPARE(child<QLabel>("lblReasonCode")->isVisible(), reason);
    QCOMPARE(child<QComboBox>("cbbReasonCode")->isVisible(), reason);
    QCOMPARE(child("edtFNSSite")->text(), X5TaxServiceSite());
    QCOMPARE(child("edtSenderEmail")->text(), X5SenderEmail());
    setText("edtCashierName", QStringLiteral("Иванов И.И."));
    setText("edtCashierPosition", QStringLiteral("Кассир"));
    child<QComboBox>("cbbFFD")->setCurrentIndex(3);
    child<QComboBox>("cbbReasonCode")->setCurrentIndex(reasonItem);
    QCOMPARE(next(*w), QStringLiteral("TfmFiscalizationBefore"));
    QVERIFY(m_messages.isEmpty());
    const TRegParams &r = Controller().RegParams;
    QCOMPARE(r.Cashier, QStringLiteral("Кассир Иванов И.И."));
    QCOMPARE(r.FFD, 3);
    QCOMPARE(r.ReasonCode, reasonCode);
    QCOMPARE(r.TaxOfficeURL, X5TaxServiceSite());
    QCOMPARE(r.SenderEmail, X5SenderEmail());
}

void TestWizardPages::regParamsX5Checks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("inn");
    QTest::addColumn<QString>("message");
    QTest::newRow("no name") << "" << "Кассир" << "" << "Введите ФИО кассира!";
    QTest::newRow("no position") << "Иванов" << " " << "" << "Введите должность кассира!";
    QTest::newRow("bad INN") << "Иванов" << "Кассир" << "500100732258" << "Некорректный ИНН кассира!";
    QTest::newRow("INN not digits") << "Иванов" << "Кассир" << "50010073225X" << "Некорректный ИНН кассира!";
    QTest::newRow("valid INN") << "Иванов" << "Кассир" << ValidINN12 << "";
}

void TestWizardPages::regParamsX5Checks()
{
    QFETCH(QString, name);
    QFETCH(QString, position);
    QFETCH(QString, inn);
    QFETCH(QString, message);
    auto w = makeWindow(true);
    open<TfmRegParamsX5>(*w);
    QCOMPARE(child("edtCashierINN")->maxLength(), 12);
    setText("edtCashierName", name);
    setText("edtCashierPosition", position);
    setText("edtCashierINN", inn);
    QCOMPARE(next(*w), message.isEmpty() ? QStringLiteral("TfmFiscalizationBefore") : QStringLiteral("stay"));
    QCOMPARE(m_messages, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(Controller().RegParams.CashierINN, message.isEmpty() ? inn : QString());
}

QTEST_MAIN(TestWizardPages)
#include "tst_wizardpages.moc"
