// The page "Состояние ФН" driven through its widgets against the built-in
// emulator: each report's lines for a known drive, the drive's errors in the
// result panel, the number fields, the confirmation before closing the fiscal
// mode and saving the memo.
#include "fn/FnFixture.h"
#include "fn/FnPageFixture.h"

#include "testbench/pages/fn/FNForm.h"

#include <QFileDialog>

using namespace emu;

class TestFnPage : public QObject, FnPageFixture<TfmFN>
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void findDocument_data();
    void findDocument();
    void statusOfFiscalizedDrive();
    void driveErrorsEndSilently_data();
    void driveErrorsEndSilently();
    void numberFields_data();
    void numberFields();
    void sessionAndReportButtons();
    void keyUpdateWithoutLink();
    void closeFiscalMode_data();
    void closeFiscalMode();
    void freeMemoryResource_data();
    void freeMemoryResource();
    void updateOKPKeys();
    void versionExpiryAndQrCode();
    void countersSyncKeepsMemo();
    void saveAsWritesLines();
    void englishCatalogue();
};

void TestFnPage::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
}

void TestFnPage::init()
{
    QVERIFY(StartFresh());
    OpenWindow();
}

void TestFnPage::cleanup()
{
    Finish();
}

void TestFnPage::findDocument_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expected");
    QTest::newRow("registration") << 1 << QString::fromUtf8(
               " Тип фиск. документа     : 1, Отчет о регистрации\n"
               " Получена ли квитанция из ОФД: [да]\n"
               " Дата                    : 14.03.2026 09:00:00\n"
               " Номер ФД                : 1\n"
               " Фискальный признак      : 111111111\n"
               " ИНН                     : 7701234567\n"
               " ИНН ОФД                 : 7709876543\n"
               " Рег. номер ККТ          : 0000000001012345\n"
               " Код сист. налогообложения: 3\n"
               "   ОСН                                   : [да]\n"
               "   УСН доход                             : [да]\n"
               "   УСН доход минус расход                : [нет]\n"
               "   ЕНВД                                  : [нет]\n"
               "   ЕСХН                                  : [нет]\n"
               "   Патент                                : [нет]\n"
               " Режим работы            : 33\n"
               "   Шифрование                            : [да]\n"
               "   Автономный режим                      : [нет]\n"
               "   Автоматический режим                  : [нет]\n"
               "   Применение в сфере услуг              : [нет]\n"
               "   Режим БСО                             : [нет]\n"
               "   Применение в Интернет                 : [да]\n"
               " Расширенные признаки работы ККТ: 9\n"
               "   Продажа подакцизного товара           : [да]\n"
               "   Признак проведения азартных игр       : [нет]\n"
               "   Признак проведения лотереи            : [нет]\n"
               "   Признак установки принтера в автомате : [да]\n");
    QTest::newRow("session open") << 2 << QString::fromUtf8(
               " Тип фиск. документа     : 2, Отчет об открытии смены\n"
               " Получена ли квитанция из ОФД: [да]\n"
               " Дата                    : 14.03.2026 09:01:00\n"
               " Номер ФД                : 2\n"
               " Фискальный признак      : 222222222\n"
               " Номер смены             : 1\n");
    QTest::newRow("receipt, sign with the top bit") << 3 << QString::fromUtf8(
               " Тип фиск. документа     : 3, Кассовый чек\n"
               " Получена ли квитанция из ОФД: [нет]\n"
               " Дата                    : 14.03.2026 10:30:00\n"
               " Номер ФД                : 3\n"
               " Фискальный признак      : 3000000000\n"
               " Тип операции            : 1\n"
               " Сумма операции          : 1234,50\n");
    QTest::newRow("operator confirmation: no block") << 4 << QString::fromUtf8(
               " Тип фиск. документа     : 7, Подтверждение оператора\n"
               " Получена ли квитанция из ОФД: [нет]\n"
               " Дата                    : 14.03.2026 10:31:00\n"
               " Номер ФД                : 4\n"
               " Фискальный признак      : 444444444\n");
    QTest::newRow("re-registration with reasons") << 5 << QString::fromUtf8(
               " Тип фиск. документа     : 11, Отчет об изменении параметров регистрации\n"
               " Получена ли квитанция из ОФД: [нет]\n"
               " Дата                    : 14.03.2026 11:00:00\n"
               " Номер ФД                : 5\n"
               " Фискальный признак      : 555555555\n"
               " ИНН                     : 7701234567\n"
               " ИНН ОФД                 : 7709876543\n"
               " Рег. номер ККТ          : 0000000001012345\n"
               " Код сист. налогообложения: 3\n"
               "   ОСН                                   : [да]\n"
               "   УСН доход                             : [да]\n"
               "   УСН доход минус расход                : [нет]\n"
               "   ЕНВД                                  : [нет]\n"
               "   ЕСХН                                  : [нет]\n"
               "   Патент                                : [нет]\n"
               " Режим работы            : 33\n"
               "   Шифрование                            : [да]\n"
               "   Автономный режим                      : [нет]\n"
               "   Автоматический режим                  : [нет]\n"
               "   Применение в сфере услуг              : [нет]\n"
               "   Режим БСО                             : [нет]\n"
               "   Применение в Интернет                 : [да]\n"
               " Расширенные признаки работы ККТ: 9\n"
               "   Продажа подакцизного товара           : [да]\n"
               "   Признак проведения азартных игр       : [нет]\n"
               "   Признак проведения лотереи            : [нет]\n"
               "   Признак установки принтера в автомате : [да]\n"
               " Код причины перерегистрации: 4\n"
               " Код причины изменения сведений о ККТ: 2147483649\n"
               "   Замена фискального накопителя         : [да]\n"
               "   Иные причины                          : [да]\n");
    QTest::newRow("calculation state report") << 6 << QString::fromUtf8(
               " Тип фиск. документа     : 21, Отчет о текущем состоянии расчетов\n"
               " Получена ли квитанция из ОФД: [нет]\n"
               " Дата                    : 14.03.2026 11:01:00\n"
               " Номер ФД                : 6\n"
               " Фискальный признак      : 666666666\n"
               " Кол-во неподтвержд. документов: 3\n"
               " Дата 1-го неподтвержд. документа: 14.03.2026 10:30:00\n");
}

void TestFnPage::findDocument()
{
    QFETCH(int, number);
    QFETCH(QString, expected);
    QVERIFY(fnfixture::FiscalizeRegister(*Register()));
    Edit("edtDocumentNumber")->setText(QString::number(number));
    Click("btnFNFindDocument");
    QCOMPARE(MemoText() + QLatin1Char('\n'), expected);
    QVERIFY(ResultPanel().startsWith(QStringLiteral("(0) ")));
}

void TestFnPage::statusOfFiscalizedDrive()
{
    QCOMPARE(FPage->windowTitle(), QStringLiteral("Состояние ФН"));
    QVERIFY(fnfixture::FiscalizeRegister(*Register()));
    Click("btnFNGetStatus");
    QStringList lines = MemoText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 15);
    // The drive's clock runs: its line is checked for its form only.
    const QString clock = lines.takeAt(12);
    QVERIFY2(QRegularExpression(QStringLiteral("^ Дата и время ФН         : \\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d$"))
                 .match(clock)
                 .hasMatch(),
             qPrintable(clock));
    const QString expected = QString::fromUtf8(
        " ----------------------------------------\n"
        " Состояние фазы жизни    : 03h, 3\n"
        " ----------------------------------------\n"
        "   Проведена настройка ФН: [да]\n"
        "   Открыт фискальный режим: [да]\n"
        "   Закрыт фискальный режим: [нет]\n"
        "   Закончена передача фискальных данных в ОФД: [нет]\n"
        " ----------------------------------------\n"
        " Текущий документ        : 00h, Нет открытого документа\n"
        " Данные документа        : 00h, Нет данных документа\n"
        " Состояние смены         : 00h, Смена закрыта\n"
        " Флаги предупреждения    : 00h, 0\n"
        " Номер ФН                : 9999000000000001\n"
        " Номер последнего ФД     : 6\n");
    QCOMPARE(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'), expected);
}

// A non-zero result ends the handler without a box; the panel shows it and
// the memo stays empty.
void TestFnPage::driveErrorsEndSilently_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<bool>("fiscal");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("panel");
    QTest::newRow("document not found") << 0 << true << "99" << "btnFNFindDocument" << "(8) Нет запрошенных данных";
    QTest::newRow("session before fiscalization") << 0 << false << "0" << "btnFNOpenSession" << "(2) Другое состояние ФН";
    QTest::newRow("QR code of a report") << 0 << true << "2" << "btnFNReadFiscalBarcode"
                                        << "(9) Некорректное значение параметров команды";
    QTest::newRow("success-only without a drive") << 110 << false << "0" << "btnFNGetImplementation"
                                                  << "(55) Команда не поддерживается в данной реализации ККТ";
    QTest::newRow("status without a drive") << 110 << false << "0" << "btnFNGetStatus"
                                            << "(55) Команда не поддерживается в данной реализации ККТ";
}

void TestFnPage::driveErrorsEndSilently()
{
    QFETCH(int, model);
    QFETCH(bool, fiscal);
    QFETCH(QString, number);
    QFETCH(QString, button);
    QFETCH(QString, panel);
    if (model)
        QVERIFY(Register()->factoryReset(model));
    if (fiscal)
        QVERIFY(fnfixture::FiscalizeRegister(*Register()));
    Edit("edtDocumentNumber")->setText(number);
    Click(button.toLatin1().constData());
    QCOMPARE(ResultPanel(), panel);
    QCOMPARE(MemoText(), QString());
    QVERIFY(FMessages.isEmpty());
}

void TestFnPage::numberFields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("conversionError");
    QTest::addColumn<QString>("panel");
    QTest::newRow("dot") << "1.5" << true << "";
    QTest::newRow("empty") << "" << true << "";
    // A document number is unsigned 32-bit: above 2^31 it still reaches the drive.
    QTest::newRow("above 2^31") << "3000000000" << false << "(8) Нет запрошенных данных";
    QTest::newRow("above 2^32") << "4294967296" << true << "";
}

void TestFnPage::numberFields()
{
    QFETCH(QString, text);
    QFETCH(bool, conversionError);
    QFETCH(QString, panel);
    QVERIFY(fnfixture::FiscalizeRegister(*Register()));
    // Typing is limited to digits and '.'.
    Edit("edtDocumentNumber")->clear();
    QTest::keyClicks(Edit("edtDocumentNumber"), QStringLiteral("1a-2"));
    QCOMPARE(Edit("edtDocumentNumber")->text(), QStringLiteral("12"));

    FWindow->findChild<QLineEdit *>(QStringLiteral("edtResult"))->setText(QStringLiteral("untouched"));
    Edit("edtDocumentNumber")->setText(text);
    Click("btnFNFindDocument");
    if (conversionError) {
        QCOMPARE(FMessages.size(), 1);
        QCOMPARE(FMessages.at(0).kind, TMessageKind::Critical);
        QVERIFY2(FMessages.at(0).text.contains(QStringLiteral("\"%1\"").arg(text)), qPrintable(FMessages.at(0).text));
        QCOMPARE(Driver()->ResultCode, 0); // nothing was sent
    } else {
        QVERIFY(FMessages.isEmpty());
        QCOMPARE(ResultPanel(), panel);
    }
}

void TestFnPage::sessionAndReportButtons()
{
    QVERIFY(fnfixture::FiscalizeRegister(*Register()));
    Click("btnFNBeginOpenSessioin");
    Click("btnFNOpenSession");
    QCOMPARE(MemoText(), QStringLiteral("Состояние обновления ключей:\nОБНОВЛЕНО КЛЮЧЕЙ: 2, ОШИБОК НЕТ"));
    Click("btnFNGetCurrentSessionParams");
    QCOMPARE(MemoText(), QStringLiteral(" Номер смены             : 2\n"
                                        " Состояние смены         : 1\n"
                                        " Номер чека              : 0"));
    Click("btnFNBeginCloseSession");
    Click("btnFNCloseSession");
    QCOMPARE(Register()->snapshot().ecrMode, 4);

    Click("btnBeginCalculationStateReport");
    Click("btnBuildCalculationStateReport");
    const FiscalDrive fn = FiscalDrive::load(Register()->snapshot(), QDateTime::currentDateTime());
    QCOMPARE(fn.lastDocumentNumber(), 9u);
    QCOMPARE(MemoText(), QStringLiteral(" Номер ФД                : 9\n"
                                        " Фискальный признак      : %1\n"
                                        " Кол-во неподтвержденных документов: 6\n"
                                        " Дата первого неподтвержденного документа: 14.03.2026 10:30:00")
                             .arg(fn.documents.back().fiscalSign));

    // The next session has nothing to update.
    Click("btnFNOpenSession");
    QCOMPARE(MemoText(), QStringLiteral("Состояние обновления ключей:\nОбновление не требуется"));
}

void TestFnPage::keyUpdateWithoutLink()
{
    QVERIFY(fnfixture::ChangeDrive(*Register(), [](FiscalDrive &fn) {
        fnfixture::Fiscalize(fn);
        fn.okpLink = false;
    }));
    Click("btnFNOpenSession");
    QCOMPARE(MemoText(), QStringLiteral("Состояние обновления ключей:\nНЕТ СВЯЗИ"));
}

void TestFnPage::closeFiscalMode_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("declined") << false;
    QTest::newRow("confirmed") << true;
}

void TestFnPage::closeFiscalMode()
{
    QFETCH(bool, confirm);
    QVERIFY(fnfixture::FiscalizeRegister(*Register()));
    Click("btnFNGetSerial");
    const QString memoBefore = MemoText();
    FAnswer = confirm ? QMessageBox::Ok : QMessageBox::Cancel;

    Click("btnFNCloseFiscalMode");
    QCOMPARE(FMessages.size(), 1);
    QCOMPARE(FMessages.at(0).kind, TMessageKind::Warning);
    QCOMPARE(FMessages.at(0).title, QStringLiteral("Закрытие фискального режима?"));
    QCOMPARE(FMessages.at(0).text, QStringLiteral("Вы уверены, что хотите произвести закрытие фискального режима?\r\n"
                                                  "Данное действие необратимо."));
    const FiscalDrive fn = FiscalDrive::load(Register()->snapshot(), QDateTime::currentDateTime());
    if (!confirm) {
        QCOMPARE(fn.lastDocumentNumber(), 6u);
        QCOMPARE(fn.lifeState, fnphase::Fiscal);
        QCOMPARE(MemoText(), memoBefore);
        return;
    }
    QCOMPARE(fn.lifeState, fnphase::Closed);
    QCOMPARE(MemoText(), QStringLiteral(" Номер ФД                : 7\n"
                                        " Фискальный признак      : %1")
                             .arg(fn.documents.back().fiscalSign));
}

void TestFnPage::freeMemoryResource_data()
{
    QTest::addColumn<int>("fill");
    QTest::addColumn<QString>("expected");
    const QString resources = QStringLiteral(" Ресурс данных 5 летнего хранения: 249994 документов\n"
                                             " Ресурс данных 30 дневного хранения: 511 Кб");
    QTest::newRow("no notification storage") << -1 << resources;
    QTest::newRow("37 %") << 37
                          << resources
            + QStringLiteral("\n Процент заполнения оласти хранения увед. о реализации маркир. товара: 37 %");
}

void TestFnPage::freeMemoryResource()
{
    QFETCH(int, fill);
    QFETCH(QString, expected);
    QVERIFY(fnfixture::ChangeDrive(*Register(), [fill](FiscalDrive &fn) {
        fnfixture::Fiscalize(fn);
        fn.markingFillPercentage = fill;
    }));
    Click("btnFNGetFreeMemoryResource");
    QCOMPARE(MemoText(), expected);
}

void TestFnPage::updateOKPKeys()
{
    QVERIFY(fnfixture::FiscalizeRegister(*Register()));
    Click("btnFNUpdateOKPKeys");
    QCOMPARE(MemoText(), QStringLiteral("Результат обновления ключей ОКП: \nУспешно. 2 ключа обновлено"));
    Click("btnFNUpdateOKPKeys");
    QCOMPARE(MemoText(), QStringLiteral("Результат обновления ключей ОКП: \n"
                                        "Ошибка. См. напечатанное.\n"
                                        " Либо не поддерживается данной прошивкой,\n"
                                        " либо ключи уже обновлены"));
    QVERIFY(fnfixture::ChangeDrive(*Register(), [](FiscalDrive &fn) { fn.okpLink = false; }));
    Click("btnFNUpdateOKPKeys");
    QCOMPARE(MemoText(), QStringLiteral("Результат обновления ключей ОКП: \nНет связи с сервером ОКП"));
}

void TestFnPage::versionExpiryAndQrCode()
{
    QVERIFY(fnfixture::ChangeDrive(*Register(), [](FiscalDrive &fn) {
        fnfixture::Fiscalize(fn);
        fn.softVersion = QStringLiteral("fn test 1");
        fn.softType = 2;
        fn.expiry = QDateTime(QDate(2029, 3, 14), QTime(0, 0));
        fn.registrationsDone = 2;
    }));
    Click("btnFNGetVersion");
    QCOMPARE(MemoText(), QStringLiteral(" Версия ПО ФН            : fn test 1\n"
                                        " Тип ПО ФН               : 02h, Неизвестное значение"));
    Click("btnFNGetExpirationTime");
    QCOMPARE(MemoText(), QStringLiteral(" Срок действия ФН        : 14.03.2029 00:00:00\n"
                                        " Кол-во оставшихся отчетов о перерегистрации: 28\n"
                                        " Выполнено отчетов о перерегистрации: 2"));
    Click("btnFNGetImplementation");
    QCOMPARE(MemoText(), QStringLiteral(" Исполнение ФН:          : ФН-1.2 эмулятор"));
    Edit("edtDocumentNumber")->setText(QStringLiteral("3"));
    Click("btnFNReadFiscalBarcode");
    QCOMPARE(MemoText(), QStringLiteral("t=20260314T1030&s=1234.50&fn=9999000000000001&i=3&fp=3000000000&n=1"));
}

void TestFnPage::countersSyncKeepsMemo()
{
    QVERIFY(fnfixture::FiscalizeRegister(*Register()));
    Click("btnFNGetSerial");
    Click("btnFNCountersSync");
    QCOMPARE(MemoText(), QStringLiteral(" Номер ФН                : 9999000000000001"));
    // Neither does a failing call clear it or raise anything.
    QVERIFY(Register()->injectFault(QStringLiteral("FNCountersSync"), 3, 1));
    Click("btnFNCountersSync");
    QCOMPARE(MemoText(), QStringLiteral(" Номер ФН                : 9999000000000001"));
    QCOMPARE(ResultPanel(), QStringLiteral("(3) Отказ ФН"));
    QVERIFY(FMessages.isEmpty());
}

void TestFnPage::saveAsWritesLines()
{
    QVERIFY(fnfixture::FiscalizeRegister(*Register()));
    Click("btnFNGetVersion");
    const QString path = FHome->filePath(QStringLiteral("report"));
    auto *dialog = FPage->findChild<QFileDialog *>(QStringLiteral("dlgSave"));
    QVERIFY(dialog);
    QCOMPARE(dialog->defaultSuffix(), QStringLiteral("txt"));
    QTimer::singleShot(0, dialog, [dialog, path] {
        dialog->selectFile(path);
        static_cast<QDialog *>(dialog)->accept(); // QFileDialog::accept, by the virtual call
    });
    Click("btnSaveAs");
    QFile file(path + QStringLiteral(".txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromLocal8Bit(file.readAll()), QStringLiteral(" Версия ПО ФН            : fn v.2.41 emul\r\n"
                                                                    " Тип ПО ФН               : 00h, Отладочная версия\r\n"));

    // Cancelling writes nothing.
    QFile::remove(file.fileName());
    QTimer::singleShot(0, dialog, [dialog] { dialog->reject(); });
    Click("btnSaveAs");
    QVERIFY(!QFile::exists(file.fileName()));
}

// In English the page and its report come from the catalogue, the
// multi-line texts included.
void TestFnPage::englishCatalogue()
{
    CloseWindow();
    SwitchLanguage(QStringLiteral("EN"));
    OpenWindow();
    QCOMPARE(FPage->windowTitle(), QStringLiteral("FN status"));
    QCOMPARE(Button("btnFNCloseFiscalMode")->text(), QStringLiteral("Close fiscal mode"));
    QVERIFY(fnfixture::FiscalizeRegister(*Register()));

    Edit("edtDocumentNumber")->setText(QStringLiteral("4"));
    Click("btnFNFindDocument");
    QCOMPARE(MemoText().section(QLatin1Char('\n'), 0, 1),
             QStringLiteral(" Fiscal document type    : 7, Operator confirmation\n"
                            " OFD ticket received     : [no]"));
    FAnswer = QMessageBox::Cancel;
    Click("btnFNCloseFiscalMode");
    QCOMPARE(FMessages.size(), 1);
    QCOMPARE(FMessages.at(0).text, QStringLiteral("Are you sure you want to close the fiscal mode?\r\nThis cannot be undone."));
    FAnswer = QMessageBox::Ok;
    QVERIFY(fnfixture::ChangeDrive(*Register(), [](FiscalDrive &fn) { fn.keysUpdated = QDateTime::currentDateTime(); }));
    Click("btnFNUpdateOKPKeys");
    QCOMPARE(MemoText(), QStringLiteral("OKP key update result: \n"
                                        "Error. See the printout.\n"
                                        " Either not supported by this firmware,\n"
                                        " or the keys are already updated"));
}

QTEST_MAIN(TestFnPage)
#include "tst_fnpage.moc"
