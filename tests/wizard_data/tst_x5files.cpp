// The X5 customer's files: the registration data file read the way the
// customer writes it (code page 1251, CR LF), its matching rules and errors,
// and the exact text of the three files the wizard writes.

#include "wizard/registration/RegDataError.h"
#include "wizard/registration/X5Files.h"

#include "KassioTestEnv.h"

#include <QStringConverter>
#include <QtTest>

namespace {

// A complete registration data file, one attribute a line, in the order a
// customer's system writes it.
QStringList customerLines()
{
    return {
        QStringLiteral("Параметры регистрации"),
        QStringLiteral("наименование пользователя: ООО \"Ромашка\""),
        QStringLiteral("Адрес: 101000, г. Москва, ул. Лесная, д. 5, пом. №3"),
        QStringLiteral("ИНН пользователя: 5001007329"),
        QStringLiteral("рег. номер ККТ: 0000012345039523"),
        QStringLiteral("системы налогообложения: 2"),
        QStringLiteral("Признак банковского агента: 1"),
        QStringLiteral("Признак банковского субагента: 0"),
        QStringLiteral("признак платежного агента: 0"),
        QStringLiteral("Признак платежного субагента: 1"),
        QStringLiteral("автономный режим: 0"),
        QStringLiteral("признак АС БСО: 1"),
        QStringLiteral("признак шифрования: 1"),
        QStringLiteral("автоматический режим: 0"),
        QStringLiteral("признак услуги: 1"),
        QStringLiteral("признак расчетов в интернете: 0"),
        QStringLiteral("признак лотереи: 1"),
        QStringLiteral("признак развозной торговли: 0"),
        QStringLiteral("признак продажи подакцизных товаров: 1"),
        QStringLiteral("признак проведения игр: 0"),
        QStringLiteral("признак платежный терминал: 1"),
        QStringLiteral("признак установки принтера в автомате: 1"),
        QStringLiteral("место расчетов: Магазин №3"),
        QStringLiteral("наименование ОФД: ЯРУС (ОФД-Я)"),
        QStringLiteral("ИНН ОФД: 0123456788"),
        QStringLiteral("Сервер ОФД: ofd.example"),
        QStringLiteral("Порт: 7779"),
    };
}

QByteArray cp1251(const QString &text)
{
    QStringEncoder encoder("windows-1251");
    return encoder.encode(text);
}

QString fromCp1251(const QByteArray &data)
{
    QStringDecoder decoder("windows-1251");
    return decoder.decode(data);
}

void writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(data), data.size());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The index of the line that starts with name + ":".
qsizetype lineOf(const QStringList &lines, const QString &name)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines.at(i).startsWith(name + u':'))
            return i;
    }
    return -1;
}

} // namespace

class TestX5Files : public QObject
{
    Q_OBJECT
private slots:
    void readsCustomerFile();
    void matchesAttributes_data();
    void matchesAttributes();
    void rejectsMalformedFile_data();
    void rejectsMalformedFile();
    void fileName_data();
    void fileName();
    void writesKKTParams();
    void writesRegReport_data();
    void writesRegReport();
    void writesCloseFNReport();
    void reportsWriteFailure();

private:
    QString writeCustomerFile(const QStringList &lines);
    KassioTestEnv FEnv;
    int FFileCount = 0;
};

QString TestX5Files::writeCustomerFile(const QStringList &lines)
{
    const QString path = FEnv.path(QStringLiteral("reg%1.txt").arg(++FFileCount));
    writeFile(path, cp1251(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    return path;
}

void TestX5Files::readsCustomerFile()
{
    const QString path = writeCustomerFile(customerLines());
    // The fixture really is code page 1251: "Параметры" byte by byte.
    QVERIFY(readFile(path).startsWith(QByteArray::fromHex("CFE0F0E0ECE5F2F0FB")));

    TRegParams params;
    params.Cashier = QStringLiteral("остается");
    params.FFD = 3;
    ReadX5RegParams(path, params);

    QCOMPARE(params.User, QStringLiteral("ООО \"Ромашка\""));
    QCOMPARE(params.Address, QStringLiteral("101000, г. Москва, ул. Лесная, д. 5, пом. №3"));
    QCOMPARE(params.INN, QStringLiteral("5001007329"));
    QCOMPARE(params.RNM, QStringLiteral("0000012345039523"));
    QCOMPARE(params.TaxSystem, quint8(4)); // system 2: bit 2 alone
    QCOMPARE(params.Agent, quint8(0b1001));
    QCOMPARE(params.WorkMode, quint8(0b11001)); // encryption, services, БСО
    QCOMPARE(params.LotterySign, true);
    QCOMPARE(params.DeliveryTradeSign, false);
    QCOMPARE(params.ExciseSign, true);
    QCOMPARE(params.GameSign, false);
    QCOMPARE(params.PayTerminalSign, true);
    QCOMPARE(params.PrinterInAutomat, true);
    // Excise goods, lottery and the printer: bits 0, 2 and 3, no others.
    QCOMPARE(params.WorkModeEx, quint8(0b1101));
    QCOMPARE(params.PayPlace, QStringLiteral("Магазин №3"));
    QCOMPARE(params.OFDName, QStringLiteral("ЯРУС (ОФД-Я)"));
    QCOMPARE(params.OFDINN, QStringLiteral("0123456788"));
    QCOMPARE(params.OFDServer, QStringLiteral("ofd.example"));
    QCOMPARE(params.OFDPort, 7779);
    // Fields the file does not name keep their values.
    QCOMPARE(params.Cashier, QStringLiteral("остается"));
    QCOMPARE(params.FFD, 3);
}

void TestX5Files::matchesAttributes_data()
{
    QTest::addColumn<QString>("name");     // attribute whose lines the row replaces
    QTest::addColumn<QStringList>("lines"); // put where the attribute's line was
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");

    const QString port = QStringLiteral("Порт");
    const QString address = QStringLiteral("Адрес");
    const QString tax = QStringLiteral("системы налогообложения");
    const QString lottery = QStringLiteral("признак лотереи");
    QTest::newRow("name in other letter case") << port << QStringList{"пОРТ: 8080"} << "OFDPort" << "8080";
    QTest::newRow("number right after the colon") << port << QStringList{"Порт:8080"} << "OFDPort" << "8080";
    QTest::newRow("number after several blanks") << port << QStringList{"Порт:    8080  "} << "OFDPort" << "8080";
    QTest::newRow("name only begins a word") << port << QStringList{"Портал: 1", "Порт: 8080"} << "OFDPort"
                                             << "8080";
    QTest::newRow("first matching line wins") << port << QStringList{"Порт: 8080", "Порт: 9090"} << "OFDPort"
                                              << "8080";
    QTest::newRow("text loses one blank only") << address << QStringList{"Адрес:   три"} << "Address" << "  три";
    QTest::newRow("text without a blank") << address << QStringList{"Адрес:три"} << "Address" << "три";
    QTest::newRow("colon inside the text") << address << QStringList{"адрес: дом: 5"} << "Address" << "дом: 5";
    QTest::newRow("longer name is another attribute")
        << address << QStringList{"Адрес сайта ФНС: www", "Адрес: дом"} << "Address" << "дом";
    QTest::newRow("tax system 0") << tax << QStringList{"системы налогообложения: 0"} << "TaxSystem" << "1";
    QTest::newRow("tax system 5 with blanks") << tax << QStringList{"системы налогообложения:  5 "} << "TaxSystem"
                                              << "32";
    QTest::newRow("flag 1 with blanks") << lottery << QStringList{"признак лотереи:  1 "} << "LotterySign" << "1";
    QTest::newRow("flag 2 is not set") << lottery << QStringList{"признак лотереи: 2"} << "LotterySign" << "0";
    QTest::newRow("flag word is not set") << lottery << QStringList{"признак лотереи: да"} << "LotterySign" << "0";
    QTest::newRow("empty flag is not set") << lottery << QStringList{"признак лотереи:"} << "LotterySign" << "0";
}

void TestX5Files::matchesAttributes()
{
    QFETCH(QString, name);
    QFETCH(QStringList, lines);
    QFETCH(QString, field);
    QFETCH(QString, expected);

    QStringList file = customerLines();
    const qsizetype at = lineOf(file, name);
    QVERIFY(at >= 0);
    file.removeAt(at);
    for (qsizetype i = 0; i < lines.size(); ++i)
        file.insert(at + i, lines.at(i));

    TRegParams params;
    ReadX5RegParams(writeCustomerFile(file), params);
    const QHash<QString, QString> fields = {
        {"OFDPort", QString::number(params.OFDPort)},
        {"Address", params.Address},
        {"TaxSystem", QString::number(params.TaxSystem)},
        {"LotterySign", QString::number(int(params.LotterySign))},
    };
    QCOMPARE(fields.value(field), expected);
}

void TestX5Files::rejectsMalformedFile_data()
{
    QTest::addColumn<QString>("name");  // attribute whose line is changed
    QTest::addColumn<QString>("value"); // its new value; null: the line is removed
    QTest::addColumn<QString>("message");

    const QStringList lines = customerLines();
    const auto lineNo = [&lines](const char *name) { return lineOf(lines, QString::fromUtf8(name)) + 1; };
    QTest::newRow("port missing") << "Порт" << QString() << "Не найден атрибут файла: Порт";
    QTest::newRow("user missing") << "наименование пользователя" << QString()
                                  << "Не найден атрибут файла: наименование пользователя";
    QTest::newRow("port not a number")
        << "Порт" << " 77a"
        << QStringLiteral("Некорректное значение атрибута файла\"Порт\":  77a (строка %1)").arg(lineNo("Порт"));
    QTest::newRow("port too large")
        << "Порт" << "70000"
        << QStringLiteral("Некорректное значение атрибута файла\"Порт\": 70000 (строка %1)").arg(lineNo("Порт"));
    QTest::newRow("tax system 6")
        << "системы налогообложения" << "6"
        << QStringLiteral("Некорректная система налогообложения: 6 (строка %1)").arg(lineNo("системы налогообложения"));
    QTest::newRow("tax system -1")
        << "системы налогообложения" << "-1"
        << QStringLiteral("Некорректная система налогообложения: -1 (строка %1)").arg(lineNo("системы налогообложения"));
    QTest::newRow("tax system not a number")
        << "системы налогообложения" << "УСН"
        << QStringLiteral("Некорректное значение атрибута файла\"системы налогообложения\": УСН (строка %1)")
               .arg(lineNo("системы налогообложения"));
}

void TestX5Files::rejectsMalformedFile()
{
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(QString, message);

    QStringList file = customerLines();
    const qsizetype at = lineOf(file, name);
    QVERIFY(at >= 0);
    if (value.isNull())
        file.removeAt(at);
    else
        file[at] = name + QStringLiteral(": ") + value;

    TRegParams params;
    params.User = QStringLiteral("прежний");
    params.OFDServer = QStringLiteral("прежний сервер");
    try {
        ReadX5RegParams(writeCustomerFile(file), params);
        QFAIL("the file was accepted");
    } catch (const ERegDataError &e) {
        QCOMPARE(e.Message(), message);
    }
    // Nothing of the file reached the record, not even the attributes read
    // before the bad one.
    QCOMPARE(params.User, QStringLiteral("прежний"));
    QCOMPARE(params.OFDServer, QStringLiteral("прежний сервер"));
    QCOMPARE(params.TaxSystem, quint8(255));
    QCOMPARE(params.Agent, quint8(255));
}

void TestX5Files::fileName_data()
{
    QTest::addColumn<int>("docType");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("factoryCode");
    QTest::addColumn<QString>("expected");

    QTest::newRow("register parameters") << 4 << "0012" << "F1" << "20240305_04_F1_0012.txt";
    QTest::newRow("registration") << 1 << "0012" << "F1" << "20240305_01_F1_0012.txt";
    QTest::newRow("separators in the factory code") << 3 << "0012" << "F/1\\2:3" << "20240305_03_F_1_2_3_0012.txt";
}

void TestX5Files::fileName()
{
    QFETCH(int, docType);
    QFETCH(QString, serial);
    QFETCH(QString, factoryCode);
    QFETCH(QString, expected);
    QCOMPARE(X5FileName(docType, serial, factoryCode, QDate(2024, 3, 5)), expected);
}

void TestX5Files::writesKKTParams()
{
    TX5KKTParamsRec rec;
    rec.FactoryCode = QStringLiteral("F1");
    rec.KKTSerial = QStringLiteral("0012345678901");
    rec.KKTModel = QStringLiteral("КАССА-Ф");
    rec.FNSerial = QStringLiteral("9999078900001234");
    rec.FNModel = X5FNModel(1);
    rec.KKTModelNumber = QStringLiteral("150");
    rec.AutomatNumber = QStringLiteral("A-17");
    const QString path = FEnv.path(QStringLiteral("kkt.txt"));
    WriteX5KKTParams(path, rec);

    const QByteArray data = readFile(path);
    QVERIFY(data.startsWith(QByteArray::fromHex("CFE0F0E0ECE5F2F0FB20D4D00D0A"))); // "Параметры ФР" CR LF
    QCOMPARE(fromCp1251(data),
             QStringLiteral("Параметры ФР\r\n"
                            "====================================\r\n"
                            "Код завода: F1\r\n"
                            "зав. номер ККТ: 0012345678901\r\n"
                            "Модель ККТ: КАССА-Ф\r\n"
                            "зав. номер ФН: 9999078900001234\r\n"
                            "Модель ФН: ФН Шифровальное (криптографическое) средство защиты фискальных данных "
                            "фискальный накопитель ФН-1.05\r\n"
                            "Версия модели: 150\r\n"
                            "Номер автомата: A-17\r\n"
                            "Производитель: Veltra\r\n"));
}

void TestX5Files::writesRegReport_data()
{
    QTest::addColumn<bool>("firstTime");
    QTest::addColumn<bool>("newFN");
    QTest::addColumn<bool>("reasonLine");

    QTest::newRow("registration") << true << false << false;
    QTest::newRow("re-registration") << false << false << true;
    QTest::newRow("re-registration with a new FN") << false << true << true;
}

void TestX5Files::writesRegReport()
{
    QFETCH(bool, firstTime);
    QFETCH(bool, newFN);
    QFETCH(bool, reasonLine);

    TRegParams params;
    params.FirstTime = firstTime;
    params.NewFN = newFN;
    params.User = QStringLiteral("ООО \"Ромашка\"");
    params.Address = QStringLiteral("г. Москва,\r\nул. Лесная, 5"); // a line break must not split the line
    params.INN = QStringLiteral("5001007329");
    params.RNM = QStringLiteral("0000012345039523");
    params.KKTSerial = QStringLiteral("0012345678901");
    params.TaxSystem = 0b101100; // lowest: УСН доход минус расход
    params.LotterySign = true;
    params.Agent = 0b0110;
    params.PayTerminalSign = true;
    params.DocType = firstTime ? 1 : 2;
    params.WorkMode = 0b110101; // encryption, automatic, БСО, internet
    params.AutomatNumber = QStringLiteral("A-17");
    params.OFDINN = QStringLiteral("0123456788");
    params.ReasonCode = newFN ? 1 : 3;
    params.PrinterInAutomat = true;
    params.PayPlace = QStringLiteral("Магазин №3");
    params.OFDName = QStringLiteral("ЯРУС (ОФД-Я)");
    params.VersionKKT = QStringLiteral("001");
    params.FFD = 2;
    params.FNSerial = QStringLiteral("9999078900001234");
    params.DateTime = QDateTime(QDate(2024, 3, 5), QTime(9, 7, 3));
    params.DocNumber = int(3000000000u); // past 2^31: written unsigned
    params.FiscalSign = QStringLiteral("1234567890");
    params.Cashier = QStringLiteral("Кассир Иванов И.И.");
    const QString path = FEnv.path(QStringLiteral("reg-report.txt"));
    WriteX5RegReport(path, params);

    QStringList expected = {
        "Отчёт о регистрации",
        "====================================",
        "наименование пользователя: ООО \"Ромашка\"",
        "адрес: г. Москва, ул. Лесная, 5",
        "ИНН пользователя: 5001007329",
        "рег. номер ККТ: 0000012345039523",
        "зав. номер ККТ: 0012345678901",
        "системы налогообложения: 2",
        "признак лотереи: 1",
        "признак проведения игр: 0",
        "признак банковского агента: 0",
        "признак банковского субагента: 1",
        "признак платежного агента: 1",
        "признак платежного субагента: 0",
        "признак развозной торговли: 0",
        "признак платежный терминал: 1",
        "признак продажи подакцизных товаров: 0",
        QStringLiteral("Тип документа: %1").arg(firstTime ? 1 : 2),
        "автономный режим: 0",
        "признак услуги: 0",
        "признак шифрования: 1",
        "признак расчетов в интернете: 1",
        "автоматический режим: 1",
        "номер автомата: A-17",
        "ИНН ОФД: 0123456788",
    };
    if (reasonLine)
        expected << QStringLiteral("Код причины перерегистрации: %1").arg(newFN ? 1 : 3);
    expected << "признак установки принтера в автомате: 1"
             << "признак АС БСО: 1"
             << "место расчетов: Магазин №3"
             << "адрес сайта ФНС: " + X5TaxServiceSite()
             << "адрес электронной почты отправителя чека: " + X5SenderEmail()
             << "наименование ОФД: ЯРУС (ОФД-Я)"
             << "версия ККТ: 001"
             << "версия ФФД ККТ: 2"
             << "версия ФФД: 2"
             << "зав. номер ФН: 9999078900001234"
             << "дата, время: 05.03.2024 09:07:03"
             << "порядковый номер ФД: 3000000000"
             << "ФП документа: 1234567890"
             << "кассир: Кассир Иванов И.И.";
    QCOMPARE(fromCp1251(readFile(path)), expected.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

void TestX5Files::writesCloseFNReport()
{
    TX5CloseFNRec rec;
    rec.UserName = QStringLiteral("ИП Петров");
    rec.Address = QStringLiteral("г. Тверь");
    rec.PayPlace = QStringLiteral("Киоск");
    rec.INN = QStringLiteral("500100732185");
    rec.RNM = QStringLiteral("0000012345039523");
    rec.KKTSerial = QStringLiteral("0012345678901");
    rec.FFD = 4;
    rec.SessionNumber = 128;
    rec.Cashier = QStringLiteral("Петров");
    rec.FNSerial = QStringLiteral("9999078900001234");
    rec.DateTime = QDateTime(QDate(2024, 12, 31), QTime(23, 59, 58));
    rec.DocNumber = 412;
    rec.FiscalSign = QStringLiteral("4000000001");
    const QString path = FEnv.path(QStringLiteral("close.txt"));
    WriteX5CloseFNReport(path, rec);

    QCOMPARE(fromCp1251(readFile(path)),
             QStringLiteral("Отчёт о закрытии архива\r\n"
                            "=====================================\r\n"
                            "Тип документа: 3\r\n"
                            "наименование пользователя: ИП Петров\r\n"
                            "адрес: г. Тверь\r\n"
                            "место расчетов: Киоск\r\n"
                            "ИНН пользователя: 500100732185\r\n"
                            "рег. номер ККТ: 0000012345039523\r\n"
                            "зав. номер ККТ: 0012345678901\r\n"
                            "версия ФФД: 4\r\n"
                            "номер смены: 128\r\n"
                            "кассир: Петров\r\n"
                            "ИНН кассира: \r\n"
                            "зав. номер ФН: 9999078900001234\r\n"
                            "дата, время: 31.12.2024 23:59:58\r\n"
                            "порядковый номер ФД: 412\r\n"
                            "ФП документа: 4000000001\r\n"));
}

void TestX5Files::reportsWriteFailure()
{
    // A folder that does not exist: the error names the file, nothing is
    // reported as written.
    const QString path = FEnv.path(QStringLiteral("no-such-folder/close.txt"));
    try {
        WriteX5CloseFNReport(path, TX5CloseFNRec());
        QFAIL("the write was reported as done");
    } catch (const ERegDataError &e) {
        QVERIFY2(e.Message().contains(path), qPrintable(e.Message()));
    }
    QVERIFY(!QFile::exists(path));

    try {
        TRegParams params;
        ReadX5RegParams(FEnv.path(QStringLiteral("missing.txt")), params);
        QFAIL("a missing file was read");
    } catch (const ERegDataError &e) {
        QVERIFY2(e.Message().startsWith(QStringLiteral("Не удается открыть файл")), qPrintable(e.Message()));
    }
}

QTEST_GUILESS_MAIN(TestX5Files)
#include "tst_x5files.moc"
