// The FN code tables and the report lines the FN pages write.
#include "testbench/pages/fn/FnCodes.h"
#include "testbench/pages/fn/FnReport.h"

#include <QPlainTextEdit>
#include <QtTest>

#include <functional>

class TestFnReport : public QObject
{
    Q_OBJECT
private slots:
    void codeNames_data();
    void codeNames();
    void hexAndUnsigned_data();
    void hexAndUnsigned();
    void updateKeysResult_data();
    void updateKeysResult();
    void reportLines();
};

void TestFnReport::codeNames_data()
{
    QTest::addColumn<std::function<QString(int)>>("name");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("expected");
    const std::function<QString(int)> status = FNStatusDocumentTypeToStr, find = FNFindDocumentTypeToStr,
                                      error = GetFNErrorDescription, data = FNDocumentDataToStr,
                                      session = FNSessionStateToStr, version = FNVersionTypeToStr,
                                      osu = OSUSupportStatusToStr,
                                      okp = [](int v) { return UpdateOKPKeysResultToStr(static_cast<quint8>(v)); };
    QTest::newRow("status 00h") << status << 0x00 << "Нет открытого документа";
    QTest::newRow("status 17h") << status << 0x17 << "Отчет о текущем состоянии расчетов";
    QTest::newRow("status 03h: unknown") << status << 0x03 << "Неизвестный тип документа";
    QTest::newRow("status 31 is not a status code") << status << 31 << "Неизвестный тип документа";
    QTest::newRow("type 7") << find << 7 << "Подтверждение оператора";
    QTest::newRow("type 41") << find << 41 << "Бланк строгой отчетности";
    QTest::newRow("type 0x17 is not a type") << find << 0x17 << "Неизвестный тип документа";
    QTest::newRow("error 172") << error << 172 << "В реквизите 2007 содержится КМ, который ранее не проверялся в ФН";
    QTest::newRow("error 15: gap in the table") << error << 15 << "Неизвестный код ошибки";
    QTest::newRow("document data 1") << data << 1 << "Получены данные документа";
    QTest::newRow("document data 2") << data << 2 << "Неизвестное значение";
    QTest::newRow("session -1") << session << -1 << "Неизвестное значение";
    QTest::newRow("version 1") << version << 1 << "Серийная версия";
    QTest::newRow("OSU 255") << osu << 255 << "255, ФН не поддерживает ОСУ";
    QTest::newRow("OSU 2") << osu << 2 << "2, Неизвестный код ответа";
    QTest::newRow("OKP 1") << okp << 1 << "Успешно. 1 ключ обновлен";
    QTest::newRow("OKP FEh") << okp << 0xFE
                             << "Ошибка. См. напечатанное.\r\n Либо не поддерживается данной прошивкой,\r\n либо ключи уже обновлены";
    QTest::newRow("OKP 3") << okp << 3 << "Неизвестный ответ";
}

void TestFnReport::codeNames()
{
    QFETCH(std::function<QString(int)>, name);
    QFETCH(int, code);
    QFETCH(QString, expected);
    QCOMPARE(name(code), expected);
}

void TestFnReport::hexAndUnsigned_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");
    QTest::newRow("code with name") << HexCode(16, QStringLiteral("Отчет")) << "10h, Отчет";
    QTest::newRow("zero") << HexCode(0) << "00h, 0";
    QTest::newRow("upper-case digits") << HexCode(0xAB) << "ABh, 171";
    QTest::newRow("more than two digits") << HexCode(0x1AB) << "1ABh, 427";
    QTest::newRow("top bit set") << UIntStr(static_cast<int>(3000000000u)) << "3000000000";
    QTest::newRow("all bits") << UIntStr(-1) << "4294967295";
}

void TestFnReport::hexAndUnsigned()
{
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

void TestFnReport::updateKeysResult_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("expected");
    QTest::newRow("2 keys, bit 0 failed") << 0 << 9 << "ОБНОВЛЕНО КЛЮЧЕЙ: 2, ОШИБОК НЕТ\r\nОбновление ключей проверки не выполнено.";
    QTest::newRow("2 keys") << 0 << 8 << "ОБНОВЛЕНО КЛЮЧЕЙ: 2, ОШИБОК НЕТ";
    QTest::newRow("not needed") << 254 << 0 << "Обновление не требуется";
    QTest::newRow("no link, bit 1 failed")
        << 255 << 2 << "НЕТ СВЯЗИ\r\nОбновление ключей проверки не выполнено. Обратитесь в службу технической поддержки";
    QTest::newRow("drive error") << 2 << 0 << "Другое состояние ФН";
    QTest::newRow("unknown error, both bits") << 99 << 3
                                              << "Неизвестный код ошибки\r\nОбновление ключей проверки не выполнено. "
                                                 "Обратитесь в службу технической поддержки";
}

void TestFnReport::updateKeysResult()
{
    QFETCH(int, code);
    QFETCH(int, status);
    QFETCH(QString, expected);
    QCOMPARE(GetUpdateKeysResult(code, status), expected);
}

void TestFnReport::reportLines()
{
    QPlainTextEdit memo;
    TFnReport report(&memo);
    report.AddLine(QStringLiteral("Номер ФД"), QStringLiteral("7"));
    report.AddLine(QStringLiteral("Размер текущего документа для ОФД, байт"), QStringLiteral("120"));
    report.AddBool(QStringLiteral("  ОСН"), true);
    report.AddBool(QStringLiteral("  Патент"), false);
    report.AddSeparator();
    report.Add(QStringLiteral("без отступа\r\nвторая"));
    // Bit 25 names no reason: only bit 2 gets a line.
    report.AddRegistrationReasonCodeEx((1 << 25) | (1 << 2));
    QCOMPARE(memo.toPlainText(),
             QStringLiteral(" Номер ФД                : 7\n"
                            " Размер текущего документа для ОФД, байт: 120\n"
                            "   ОСН                                   : [да]\n"
                            "   Патент                                : [нет]\n"
                            " ----------------------------------------\n"
                            "без отступа\n"
                            "вторая\n"
                            " Код причины изменения сведений о ККТ: 33554436\n"
                            "   Изменение наименования пользователя контрольно-кассовой техники: [да]"));
}

QTEST_MAIN(TestFnReport)
#include "tst_fnreport.moc"
