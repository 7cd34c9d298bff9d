// The page "Фискализация ФН" driven through its widgets against the built-in
// emulator: registration of a new drive and what the status page then shows,
// re-registrations, the read-backs, the input errors and the drive's refusals.
#include "fn/FnFixture.h"
#include "fn/FnPageFixture.h"

#include "common/ReasonCodesDialog.h"
#include "common/ReasonCodesTestBench.h"
#include "testbench/pages/fn/FNFiscalization.h"
#include "testbench/pages/fn/FNForm.h"

#include <QComboBox>
#include <QJsonArray>

using namespace emu;

namespace {

const QString Inn = QStringLiteral("7701234567");
const QString Rnm = QStringLiteral("0000000001012345");

} // namespace

class TestFnFiscalization : public QObject, FnPageFixture<TfmFNFiscalization>
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void registrationOnNewDrive();
    void secondRegistrationRefused();
    void reregistration_data();
    void reregistration();
    void reregistrationBeforeRegistration();
    void inputErrors_data();
    void inputErrors();
    void driveRefusesBadData_data();
    void driveRefusesBadData();
    void documentAndTagReadBacks();
    void failedReadShowsNoStaleData();
    void resultLoadsControlsAndKeepsEnvd();
    void ofdInnFromTableWhenResultHasNone();
    void timeoutRaisedAndRestored_data();
    void timeoutRaisedAndRestored();
    void reasonSetNotWrittenBeforeFfd12();
    void osuSupportWarning_data();
    void osuSupportWarning();
    void reasonDialogKeepsBit31();
    void beginReportOpensDocument();
    void replacementDriveReport();
    void sentTagGoesIntoDocument();
    void englishCatalogue();

private:
    QVariant FsTableValue(int field) const
    {
        const RegisterState s = Register()->snapshot();
        const ModelDef *m = findModel(s.modelId);
        int table = 0;
        for (const ModelParamDef &p : m->params)
            if (p.number == 72)
                table = p.value.toInt();
        const auto it = s.tableValues.find({table, 1, field});
        return it == s.tableValues.end() ? QVariant() : it->second;
    }
    // The page's registration data: a legal entity, ОСН, encryption.
    void FillRegistration()
    {
        Control<QComboBox>("cbINNType")->setCurrentIndex(1);
        Edit("edtINN")->setText(Inn);
        Edit("edtKKTRegistrationNumber")->setText(QStringLiteral(" ") + Rnm + QStringLiteral(" "));
        Box("chbTax0")->setChecked(true);
        Box("chbWorkmode0")->setChecked(true);
    }
    void Register_()
    {
        FillRegistration();
        Click("btnFNFiscalization");
        QCOMPARE(ResultPanel(), QStringLiteral("(0) Ошибок нет"));
    }
};

void TestFnFiscalization::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
}

void TestFnFiscalization::init()
{
    QVERIFY(StartFresh());
    OpenWindow();
}

void TestFnFiscalization::cleanup()
{
    Finish();
}

void TestFnFiscalization::registrationOnNewDrive()
{
    QCOMPARE(FPage->windowTitle(), QStringLiteral("Фискализация ФН"));
    QCOMPARE(Drive().lifeState, fnphase::Ready);
    Box("chkWorkModeEx2")->setChecked(true); // lottery: written to the FN table before the report
    Edit("edtReasonCodeEx")->setText(QStringLiteral("5"));
    Register_();
    const FiscalDrive fn = Drive();
    QCOMPARE(fn.lifeState, fnphase::Fiscal);
    QCOMPARE(fn.documents.size(), std::size_t(1));
    QCOMPARE(fn.unsentCount(), 1); // the OFD queue has the report
    QCOMPARE(fn.registrationsDone, 1);
    const FnDocument &d = fn.documents.front();
    QCOMPARE(d.type, fdtype::Registration);
    QCOMPARE(d.tag(fntag::RegistrationNumber).toString(), Rnm); // blanks trimmed
    QCOMPARE(FsTableValue(21).toLongLong(), qint64(4));
    QCOMPARE(FsTableValue(22).toLongLong(), qint64(5)); // FFD 1.2 register
    QCOMPARE(MemoText(), QStringLiteral(" Сформировать отчет о регистрации ККТ\n"
                                        " ----------------------------------------\n"
                                        " Номер ФД                : 1\n"
                                        " Фискальный признак      : %1")
                             .arg(d.fiscalSign));

    Click("btnFNGetFiscalizationResult");
    const QString expected = QStringLiteral(
        " Запрос итогов фискализации ФН\n"
        " ----------------------------------------\n"
        " ИНН                     : 7701234567\n"
        " ИНН ОФД                 : \n"
        " Рег. номер ККТ          : 0000000001012345\n"
        " Код сист. налогообложения: 1\n"
        "   ОСН                                   : [да]\n"
        "   УСН доход                             : [нет]\n"
        "   УСН доход минус расход                : [нет]\n"
        "   ЕНВД                                  : [нет]\n"
        "   ЕСХН                                  : [нет]\n"
        "   Патент                                : [нет]\n"
        " Режим работы            : 1\n"
        "   Шифрование                            : [да]\n"
        "   Автономный режим                      : [нет]\n"
        "   Автоматический режим                  : [нет]\n"
        "   Применение в сфере услуг              : [нет]\n"
        "   Режим БСО                             : [нет]\n"
        "   Применение в Интернет                 : [нет]\n"
        "   ККТ в общественном питании            : [нет]\n"
        "   Оптовая торговля с организациями и ИП : [нет]\n"
        " Расширенные признаки работы ККТ: 4\n"
        "   Продажа подакцизного товара           : [нет]\n"
        "   Признак проведения азартных игр       : [нет]\n"
        "   Признак проведения лотереи            : [да]\n"
        "   Признак установки принтера в автомате : [нет]\n"
        "   Признак торговли маркиров. товарами (1.2): [нет]\n"
        "   Признак ломбардной деятельности (1.2) : [нет]\n"
        "   Признак страховой деятельности (1.2)  : [нет]\n"
        "   ККТ с торговым автоматом (1.2)        : [нет]\n"
        " Дата                    : %1\n"
        " Время                   : %2\n"
        " Код причины перерегистрации: 0, \n"
        " Код причины изменения сведений о ККТ: 0\n"
        " Номер ФД                : 1\n"
        " Фискальный признак      : %3")
                               .arg(d.time.toString(QStringLiteral("dd.MM.yyyy")), d.time.toString(QStringLiteral("hh:mm:ss")))
                               .arg(d.fiscalSign);
    QCOMPARE(MemoText(), expected);

    // The status page sees the drive in fiscal mode with the report as its last document.
    auto *status = FWindow->Pages().PageByClass<TfmFN>();
    FWindow->SetPage(status);
    status->findChild<QPushButton *>(QStringLiteral("btnFNGetStatus"))->click();
    const QString text = status->findChild<QPlainTextEdit *>(QStringLiteral("Memo"))->toPlainText();
    QVERIFY2(text.contains(QStringLiteral(" Состояние фазы жизни    : 03h, 3\n")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("   Открыт фискальный режим: [да]\n")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral(" Номер последнего ФД     : 1")), qPrintable(text));
    status->findChild<QLineEdit *>(QStringLiteral("edtDocumentNumber"))->setText(QStringLiteral("1"));
    status->findChild<QPushButton *>(QStringLiteral("btnFNFindDocument"))->click();
    const QString found = status->findChild<QPlainTextEdit *>(QStringLiteral("Memo"))->toPlainText();
    QVERIFY2(found.startsWith(QStringLiteral(" Тип фиск. документа     : 1, Отчет о регистрации\n"
                                             " Получена ли квитанция из ОФД: [нет]\n")),
             qPrintable(found));
    QVERIFY2(found.contains(QStringLiteral(" Рег. номер ККТ          : 0000000001012345\n")), qPrintable(found));
}

void TestFnFiscalization::secondRegistrationRefused()
{
    Register_();
    Click("btnFNFiscalization");
    QCOMPARE(ResultPanel(), QStringLiteral("(2) ФН уже зарегистрирован"));
    QCOMPARE(Drive().documents.size(), std::size_t(1));
    QVERIFY(FMessages.isEmpty()); // a driver error ends the handler silently
}

void TestFnFiscalization::reregistration_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("reasonIndex");
    QTest::addColumn<QString>("reasonLine");
    QTest::newRow("1 replacement of the drive") << 0 << 0 << "1, Замена ФН";
    QTest::newRow("2 replacement of the OFD") << 0 << 1 << "2, Замена ОФД";
    QTest::newRow("3 change of details") << 0 << 2 << "3, Изменение реквизитов";
    QTest::newRow("4 change of settings") << 0 << 3 << "4, Изменение настроек ККТ";
    // Table 18 of this model is another table with 3 fields: the extended
    // mode goes to the FN table that parameter 72 names.
    QTest::newRow("model with the FN table elsewhere") << 254 << 3 << "4, Изменение настроек ККТ";
}

void TestFnFiscalization::reregistration()
{
    QFETCH(int, model);
    QFETCH(int, reasonIndex);
    QFETCH(QString, reasonLine);
    if (model)
        QVERIFY(Register()->factoryReset(model));
    Register_();
    Control<QComboBox>("cbReasonCode")->setCurrentIndex(reasonIndex);
    Box("chkWorkModeEx0")->setChecked(true);
    Edit("edtReasonCodeEx")->setText(QStringLiteral("2147483649")); // reasons 1 and 32
    Click("btnFNBuildReregistrationReport");
    QCOMPARE(ResultPanel(), QStringLiteral("(0) Ошибок нет"));
    const FiscalDrive fn = Drive();
    QCOMPARE(fn.documents.size(), std::size_t(2));
    QCOMPARE(fn.registrationsDone, 2);
    QCOMPARE(fn.documents.back().type, fdtype::Reregistration);
    QVERIFY(MemoText().startsWith(QStringLiteral(" Сформировать отчет о перерегистрации\n")));
    QCOMPARE(FsTableValue(21).toLongLong(), qint64(1));

    Edit("edtRegistrationNumber")->setText(QStringLiteral("2"));
    Click("btnFNGetFiscalizationResultByNumber");
    const QString text = MemoText();
    QVERIFY2(text.startsWith(QStringLiteral(" Запрос итогов фискализации ФН по номеру\n")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral(" Код причины перерегистрации: %1\n").arg(reasonLine)), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral(" Код причины изменения сведений о ККТ: 2147483649\n"
                                          "   Замена фискального накопителя         : [да]\n"
                                          "   Иные причины                          : [да]\n")),
             qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("   Продажа подакцизного товара           : [да]\n")), qPrintable(text));

    // The first registration stays readable by its number.
    Edit("edtRegistrationNumber")->setText(QStringLiteral("1"));
    Click("btnFNGetFiscalizationResultByNumber");
    QVERIFY(MemoText().contains(QStringLiteral(" Код причины перерегистрации: 0, \n")));
}

void TestFnFiscalization::reregistrationBeforeRegistration()
{
    FillRegistration();
    Click("btnFNBuildReregistrationReport");
    QCOMPARE(ResultPanel(), QStringLiteral("(2) ФН не в фискальном режиме"));
    QCOMPARE(Drive().documents.size(), std::size_t(0));
    Click("btnFNGetFiscalizationResult");
    QCOMPARE(ResultPanel(), QStringLiteral("(8) ФН не зарегистрирован"));
    QCOMPARE(MemoText(), QString());
}

// Errors of the page's own checks: a box with the message, nothing sent.
void TestFnFiscalization::inputErrors_data()
{
    QTest::addColumn<int>("innType");
    QTest::addColumn<QString>("inn");
    QTest::addColumn<QString>("tax");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    const QString twelve = QStringLiteral("123456789012");
    QTest::newRow("12 digits for a legal entity") << 1 << twelve << "1" << "btnFNFiscalization"
                                                  << "Длина ИНН должна быть 10 символов";
    QTest::newRow("10 digits for a sole trader") << 0 << Inn << "1" << "btnFNFiscalization"
                                                 << "Длина ИНН должна быть 12 символов";
    QTest::newRow("re-registration checks it too") << 0 << Inn << "1" << "btnFNBuildReregistrationReport"
                                                   << "Длина ИНН должна быть 12 символов";
    QTest::newRow("tax set not a number") << 0 << twelve << "1x" << "btnFNFiscalization"
                                          << "\"1x\" не является целым числом";
}

void TestFnFiscalization::inputErrors()
{
    QFETCH(int, innType);
    QFETCH(QString, inn);
    QFETCH(QString, tax);
    QFETCH(QString, button);
    QFETCH(QString, message);
    Control<QComboBox>("cbINNType")->setCurrentIndex(innType);
    Edit("edtINN")->setText(inn);
    Edit("edtKKTRegistrationNumber")->setText(Rnm);
    Edit("edtTaxType")->setText(tax);
    Click(button.toLatin1().constData());
    QCOMPARE(FMessages.size(), 1);
    QCOMPARE(FMessages.at(0).kind, TMessageKind::Critical);
    QCOMPARE(FMessages.at(0).text, message);
    QCOMPARE(Drive().documents.size(), std::size_t(0));
    QCOMPARE(Drive().lifeState, fnphase::Ready);
}

// Data the page lets through but the drive does not take.
void TestFnFiscalization::driveRefusesBadData_data()
{
    QTest::addColumn<QString>("inn");
    QTest::addColumn<QString>("rnm");
    QTest::addColumn<bool>("tax");
    QTest::addColumn<QString>("panel");
    QTest::newRow("dot in the INN") << "77012345.7" << Rnm << true
                                    << "(9) Некорректный ИНН пользователя: нужно 10 или 12 цифр";
    QTest::newRow("no RNM") << Inn << "" << true << "(9) Некорректный регистрационный номер ККТ: нужно от 1 до 20 цифр";
    QTest::newRow("RNM of 21 digits") << Inn << "000000000101234500000" << true
                                      << "(9) Некорректный регистрационный номер ККТ: нужно от 1 до 20 цифр";
    QTest::newRow("no tax system") << Inn << Rnm << false << "(9) Некорректный код системы налогообложения";
}

void TestFnFiscalization::driveRefusesBadData()
{
    QFETCH(QString, inn);
    QFETCH(QString, rnm);
    QFETCH(bool, tax);
    QFETCH(QString, panel);
    Control<QComboBox>("cbINNType")->setCurrentIndex(1);
    Edit("edtINN")->setText(inn);
    Edit("edtKKTRegistrationNumber")->setText(rnm);
    Box("chbTax0")->setChecked(tax);
    Click("btnFNFiscalization");
    QCOMPARE(ResultPanel(), panel);
    QVERIFY(FMessages.isEmpty());
    QCOMPARE(Drive().lifeState, fnphase::Ready);
    QCOMPARE(Drive().documents.size(), std::size_t(0));
}

void TestFnFiscalization::documentAndTagReadBacks()
{
    Register_();
    const FnDocument d = Drive().documents.front();
    Edit("edtRegistrationNumber")->setText(QStringLiteral("1"));
    Click("btnReadRegistrationDoc");
    const QStringList lines = MemoText().split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0), QStringLiteral("ОТЧЕТ О РЕГИСТРАЦИИ"));
    QVERIFY2(lines.contains(QStringLiteral("[1040] ФД: 1")), qPrintable(MemoText()));
    QVERIFY2(lines.contains(QStringLiteral("[1077] ФП: %1").arg(d.fiscalSign)), qPrintable(MemoText()));
    QVERIFY2(lines.contains(QStringLiteral("[1018] ИНН ПОЛЬЗ.: 7701234567")), qPrintable(MemoText()));
    QVERIFY2(lines.contains(QStringLiteral("[1037] РН ККТ: 0000000001012345")), qPrintable(MemoText()));
    QVERIFY2(lines.contains(QStringLiteral("[1062] СНО: 1")), qPrintable(MemoText()));
    QVERIFY2(lines.contains(QStringLiteral("[1056] ПРИЗН. ШИФР.: 1")), qPrintable(MemoText()));

    struct Case {
        int tag;
        QString hex;
    };
    const Case cases[] = {
        {1018, QStringLiteral("FA 03 0A 00 37 37 30 31 32 33 34 35 36 37")}, // text
        {1062, QStringLiteral("26 04 01 00 01")},                            // byte
        {1040, QStringLiteral("10 04 04 00 01 00 00 00")},                   // 32-bit number
    };
    for (const Case &c : cases) {
        Edit("edtTagNumber")->setText(QString::number(c.tag));
        Click("btnReadRegistrationTag");
        QCOMPARE(MemoText(), c.hex);
    }
}

// A failed read leaves the memo empty: the output property still holds the
// previous answer, which must not pass for this one.
void TestFnFiscalization::failedReadShowsNoStaleData()
{
    Register_();
    Click("btnReadRegistrationDoc");
    QVERIFY(!MemoText().isEmpty());
    Edit("edtRegistrationNumber")->setText(QStringLiteral("2"));
    Click("btnReadRegistrationDoc");
    QCOMPARE(ResultPanel(), QStringLiteral("(8) Нет регистрации с номером 2"));
    QCOMPARE(MemoText(), QString());

    Edit("edtRegistrationNumber")->setText(QStringLiteral("1"));
    Edit("edtTagNumber")->setText(QStringLiteral("1018"));
    Click("btnReadRegistrationTag");
    QVERIFY(!MemoText().isEmpty());
    Edit("edtTagNumber")->setText(QStringLiteral("1234"));
    Click("btnReadRegistrationTag");
    QCOMPARE(ResultPanel(), QStringLiteral("(8) В документе о регистрации нет тега 1234"));
    QCOMPARE(MemoText(), QString());
}

// Reading a result fills the registration fields; a box changed afterwards
// keeps the ЕНВД bit that has no box, so a re-registration sends it on.
void TestFnFiscalization::resultLoadsControlsAndKeepsEnvd()
{
    QVERIFY(fnfixture::FiscalizeRegister(*Register())); // last registration: tax 3, mode 33, ex 9
    QVERIFY(fnfixture::ChangeDrive(*Register(), [](FiscalDrive &fn) {
        for (FnDocument &d : fn.documents)
            if (d.type == fdtype::Reregistration)
                d.setTag(fntag::TaxSystems, 0b001001); // ОСН and ЕНВД
    }));
    Click("btnFNGetFiscalizationResult");
    QCOMPARE(Edit("edtINN")->text(), Inn);
    QCOMPARE(Edit("edtKKTRegistrationNumber")->text(), Rnm);
    QCOMPARE(Edit("edtTaxType")->text(), QStringLiteral("9"));
    QVERIFY(Box("chbTax0")->isChecked());
    QCOMPARE(Edit("edtWorkMode")->text(), QStringLiteral("33"));
    QVERIFY(Box("chbWorkMode5")->isChecked());
    QCOMPARE(Edit("edtWorkModeEx")->text(), QStringLiteral("9"));
    QVERIFY(Box("chkWorkModeEx3")->isChecked());

    Box("chbTax1")->setChecked(true);
    QCOMPARE(Edit("edtTaxType")->text(), QStringLiteral("11"));
    Control<QComboBox>("cbINNType")->setCurrentIndex(1);
    Click("btnFNBuildReregistrationReport");
    QCOMPARE(ResultPanel(), QStringLiteral("(0) Ошибок нет"));
    QCOMPARE(Drive().documents.back().tag(fntag::TaxSystems).toInt(), 11);
}

void TestFnFiscalization::ofdInnFromTableWhenResultHasNone()
{
    Register_(); // the FN table had no OFD INN then
    QVERIFY(Register()->modify([](RegisterState &s) { s.tableValues[{18, 1, 12}] = QStringLiteral("7709876543"); }));
    Click("btnFNGetFiscalizationResult");
    QVERIFY2(MemoText().contains(QStringLiteral(" ИНН ОФД                 : 7709876543\n")), qPrintable(MemoText()));
    // The query by number shows what the drive holds.
    Click("btnFNGetFiscalizationResultByNumber");
    QVERIFY2(MemoText().contains(QStringLiteral(" ИНН ОФД                 : \n")), qPrintable(MemoText()));
}

void TestFnFiscalization::timeoutRaisedAndRestored_data()
{
    QTest::addColumn<int>("timeout");
    QTest::addColumn<int>("sent");
    QTest::addColumn<bool>("fails");
    QTest::newRow("low, raised") << 3000 << 10000 << false;
    QTest::newRow("high, kept") << 15000 << 15000 << false;
    QTest::newRow("low, restored after a failure") << 3000 << 10000 << true;
}

void TestFnFiscalization::timeoutRaisedAndRestored()
{
    QFETCH(int, timeout);
    QFETCH(int, sent);
    QFETCH(bool, fails);
    Driver()->Timeout = timeout;
    if (fails)
        QVERIFY(Register()->injectFault(QStringLiteral("FNBuildRegistrationReport"), 3, 1));
    FillRegistration();
    Click("btnFNFiscalization");
    QCOMPARE(ResultPanel(), fails ? QStringLiteral("(3) Отказ ФН") : QStringLiteral("(0) Ошибок нет"));
    QCOMPARE(Driver()->Timeout, timeout);
    // The report's request carried the raised value.
    QString hex = Driver()->ECRInput;
    const kassio::FrameScan scan = kassio::scanFrame(QByteArray::fromHex(hex.remove(QLatin1Char(' ')).toLatin1()));
    QVERIFY(scan.status == kassio::FrameStatus::Complete);
    const kassio::DecodedRequest request = kassio::decodeRequest(scan.payload);
    QVERIFY(request.ok);
    QVERIFY(request.request.method == kassio::MethodId::FNBuildRegistrationReport);
    int carried = -1;
    for (const kassio::PropValue &p : request.request.props)
        if (p.id == kassio::PropId::Timeout)
            carried = p.value.toInt();
    QCOMPARE(carried, sent);
}

void TestFnFiscalization::reasonSetNotWrittenBeforeFfd12()
{
    QVERIFY(Register()->modify([](RegisterState &s) { s.tableValues[{17, 1, 17}] = qint64(2); }));
    Edit("edtReasonCodeEx")->setText(QStringLiteral("7"));
    Box("chkWorkModeEx1")->setChecked(true);
    Register_();
    QCOMPARE(FsTableValue(21).toLongLong(), qint64(2));
    QCOMPARE(FsTableValue(22).toLongLong(), qint64(0));
}

void TestFnFiscalization::osuSupportWarning_data()
{
    QTest::addColumn<int>("fault");   // answer of the support query, 0: none
    QTest::addColumn<int>("status");  // the drive's support status
    QTest::addColumn<QString>("box"); // the warning's first line; empty: no warning
    QTest::newRow("old firmware") << 55 << 0 << "Текущая прошивка ККТ ";
    QTest::newRow("drive without support") << 0 << 255 << "ФН не поддерживает ОСУ.";
    QTest::newRow("supported") << 0 << 0 << "";
}

void TestFnFiscalization::osuSupportWarning()
{
    QFETCH(int, fault);
    QFETCH(int, status);
    QFETCH(QString, box);
    QVERIFY(fnfixture::ChangeDrive(*Register(), [status](FiscalDrive &fn) { fn.osuSupportStatus = status; }));
    if (fault)
        QVERIFY(Register()->injectFault(QStringLiteral("FNGetOSUSupportStatus"), fault, 1));
    Box("chbWorkMode6")->setChecked(true); // catering
    FAnswer = QMessageBox::Cancel;
    FillRegistration();
    Click("btnFNFiscalization");
    if (box.isEmpty()) {
        QVERIFY(FMessages.isEmpty());
        QCOMPARE(Drive().lifeState, fnphase::Fiscal);
        return;
    }
    QCOMPARE(FMessages.size(), 1);
    QCOMPARE(FMessages.at(0).kind, TMessageKind::Warning);
    QCOMPARE(FMessages.at(0).title, QStringLiteral("Внимание"));
    QCOMPARE(FMessages.at(0).defaultButton, QMessageBox::Cancel);
    QCOMPARE(FMessages.at(0).text.split(QStringLiteral("\r\n")).value(0), box);
    QVERIFY(FMessages.at(0).text.endsWith(QStringLiteral(" ККТ с торговым автоматом.\r\nПродолжить в любом случае?")));
    QCOMPARE(Drive().lifeState, fnphase::Ready); // cancelled: nothing sent
    QCOMPARE(MemoText(), QString());

    FMessages.clear();
    FAnswer = QMessageBox::Ok;
    if (fault)
        QVERIFY(Register()->injectFault(QStringLiteral("FNGetOSUSupportStatus"), fault, 1));
    Click("btnFNFiscalization");
    QCOMPARE(FMessages.size(), 1);
    QCOMPARE(Drive().lifeState, fnphase::Fiscal);
}

void TestFnFiscalization::reasonDialogKeepsBit31()
{
    TReasonCodesInstance dialog(NewTestBenchReasonCodes());
    Edit("edtReasonCodeEx")->setText(QStringLiteral("2147483648"));
    bool checked = false;
    QTimer::singleShot(0, ReasonCodes(), [&checked] {
        checked = ReasonCodes()->findChild<QCheckBox *>(QStringLiteral("chk22"))->isChecked();
        ReasonCodes()->findChild<QPushButton *>(QStringLiteral("btnOk"))->click();
    });
    Click("btn1");
    QVERIFY(checked);
    QCOMPARE(Edit("edtReasonCodeEx")->text(), QStringLiteral("2147483648"));
}

void TestFnFiscalization::beginReportOpensDocument()
{
    Control<QComboBox>("cbReportTypeInt")->setCurrentIndex(2);
    Click("btnFNBeginFiscalization");
    QCOMPARE(ResultPanel(), QStringLiteral("(2) ФН не в фискальном режиме"));
    Control<QComboBox>("cbReportTypeInt")->setCurrentIndex(0);
    Click("btnFNBeginFiscalization");
    QCOMPARE(ResultPanel(), QStringLiteral("(0) Ошибок нет"));
    QCOMPARE(Drive().currentDocument, fnopen::Registration);
    Register_();
    QCOMPARE(Drive().currentDocument, fnopen::None);
}

// On a replacement drive the registration report begun as "with FN
// replacement" is a change of registration data with the reason 1.
void TestFnFiscalization::replacementDriveReport()
{
    Control<QComboBox>("cbReportTypeInt")->setCurrentIndex(1);
    Click("btnFNBeginFiscalization");
    QCOMPARE(Drive().currentDocument, fnopen::ReregistrationNewFn);
    Register_();
    const FiscalDrive fn = Drive();
    QCOMPARE(fn.lifeState, fnphase::Fiscal);
    QCOMPARE(fn.documents.back().type, fdtype::Reregistration);
    Click("btnFNGetFiscalizationResult");
    QVERIFY2(MemoText().contains(QStringLiteral(" Код причины перерегистрации: 1, Замена ФН\n")), qPrintable(MemoText()));
    // A drive in fiscal mode takes no such report.
    Click("btnFNBeginFiscalization");
    QCOMPARE(ResultPanel(), QStringLiteral("(2) ФН уже зарегистрирован"));
}

// A tag sent ahead of the report is kept in the registration document.
void TestFnFiscalization::sentTagGoesIntoDocument()
{
    Driver()->SendTagStr(1203, QStringLiteral("500100732259"));
    Register_();
    Edit("edtTagNumber")->setText(QStringLiteral("1203"));
    Click("btnReadRegistrationTag");
    QCOMPARE(MemoText(), QStringLiteral("B3 04 0C 00 35 30 30 31 30 30 37 33 32 32 35 39"));
    QVERIFY(Drive().pendingTags.isEmpty()); // taken by the report, not left for the next document
}

// In English the page, its warnings (multi-line) and its errors come from the catalogue.
void TestFnFiscalization::englishCatalogue()
{
    CloseWindow();
    SwitchLanguage(QStringLiteral("EN"));
    OpenWindow();
    QCOMPARE(FPage->windowTitle(), QStringLiteral("FN fiscalization"));
    QCOMPARE(Control<QPushButton>("btnFNFiscalization")->text(), QStringLiteral("Build registration report"));
    QVERIFY(fnfixture::ChangeDrive(*Register(), [](FiscalDrive &fn) { fn.osuSupportStatus = 255; }));
    Box("chkWorkModeEx7")->setChecked(true);
    FAnswer = QMessageBox::Cancel;
    Click("btnFNFiscalization");
    QCOMPARE(FMessages.size(), 1);
    QCOMPARE(FMessages.at(0).text, QStringLiteral("The FN does not support OSU.\r\nThe following parameters are not supported:\r\n"
                                                  " catering,\r\n wholesale to organisations and sole traders,\r\n"
                                                  " register with a vending machine.\r\nContinue anyway?"));
    FAnswer = QMessageBox::Ok;
    Control<QComboBox>("cbINNType")->setCurrentIndex(1); // the default INN has 12 digits
    Click("btnFNFiscalization");
    QCOMPARE(FMessages.size(), 3);
    QCOMPARE(FMessages.at(2).text, QStringLiteral("INN must be 10 characters long"));
}

QTEST_MAIN(TestFnFiscalization)
#include "tst_fnfiscalization.moc"
