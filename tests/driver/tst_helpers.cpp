#include "driver/Helpers.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int v : values)
        result.append(char(v));
    return result;
}

// Answers every text of the test bench's context with an English stand-in.
class EnglishCatalogue : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "KassioTest") != 0)
            return {};
        const QString source = QString::fromUtf8(sourceText);
        if (source == QStringLiteral("[да]"))
            return QStringLiteral("[yes]");
        if (source == QStringLiteral("[нет]"))
            return QStringLiteral("[no]");
        if (source == QStringLiteral("не задан"))
            return QStringLiteral("not set");
        if (source == QStringLiteral("не введен"))
            return QStringLiteral("not entered");
        return {};
    }
};

} // namespace

class TestHelpers : public QObject
{
    Q_OBJECT

private slots:
    void strToHex_data();
    void strToHex();
    void hexToStr_data();
    void hexToStr();
    void hexRoundTripOfEveryByte();
    void bits_data();
    void bits();
    void binToInt_data();
    void binToInt();
    void intToBin_data();
    void intToBin();
    void exRound_data();
    void exRound();
    void baudRate_data();
    void baudRate();
    void tcpPort();
    void texts_data();
    void texts();
    void textsAreTranslatable();
    void addLeadingZeros_data();
    void addLeadingZeros();
    void cp866To1251_data();
    void cp866To1251();
    void cp866To1251MatchesSystemTables();
    void cp1251Encoding();
    void readFileData();
    void readMissingFileRaisesNamedError();
    void userVeltraPath();
};

void TestHelpers::strToHex_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("withSpaces");
    QTest::addColumn<QString>("withoutSpaces");
    QTest::newRow("empty") << QByteArray() << "" << "" << "";
    QTest::newRow("00 FF") << bytes({0x00, 0xFF}) << "00 FF" << "00 FF " << "00FF";
    QTest::newRow("one byte") << bytes({0x0A}) << "0A" << "0A " << "0A";
    QTest::newRow("upper case") << bytes({0xab, 0xcd, 0xef}) << "AB CD EF" << "AB CD EF " << "ABCDEF";
}

void TestHelpers::strToHex()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, plain);
    QFETCH(QString, withSpaces);
    QFETCH(QString, withoutSpaces);
    QCOMPARE(StrToHex(input), plain);
    QCOMPARE(BytesToHex(input), plain);
    QCOMPARE(StrToHex(input, true), withSpaces);
    QCOMPARE(StrToHex(input, false), withoutSpaces);
}

void TestHelpers::hexToStr_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("pairs with blanks") << "01 0A FF" << bytes({0x01, 0x0A, 0xFF});
    QTest::newRow("pairs run together") << "010AFF" << bytes({0x01, 0x0A, 0xFF});
    QTest::newRow("single digits ended by blanks") << "1 A FF" << bytes({0x01, 0x0A, 0xFF});
    QTest::newRow("lower case") << "ab cd" << bytes({0xAB, 0xCD});
    QTest::newRow("blanks around") << "  7F  " << bytes({0x7F});
    QTest::newRow("trailing single digit") << "11 2" << bytes({0x11, 0x02});
    QTest::newRow("empty") << "" << QByteArray();
    QTest::newRow("blanks only") << "   " << QByteArray();
    // A non-hexadecimal character ends the conversion without an error.
    QTest::newRow("bad first pair") << "0G 11" << QByteArray();
    QTest::newRow("bad second pair") << "11 0G" << bytes({0x11});
    QTest::newRow("bad trailing digit") << "11 G" << bytes({0x11});
    QTest::newRow("sign is not a digit") << "+1 02" << QByteArray();
}

void TestHelpers::hexToStr()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);
    QCOMPARE(HexToStr(text), expected);
    QCOMPARE(HexToBytes(text), expected);
}

void TestHelpers::hexRoundTripOfEveryByte()
{
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    QCOMPARE(HexToStr(StrToHex(all)), all);
    QCOMPARE(HexToStr(StrToHex(all, false)), all);
    QCOMPARE(HexToStr(StrToHex(all, true)), all);
}

void TestHelpers::bits_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<int>("bit");
    QTest::addColumn<bool>("set");
    QTest::newRow("bit 0 of 1") << qint64(1) << 0 << true;
    QTest::newRow("bit 1 of 1") << qint64(1) << 1 << false;
    QTest::newRow("bit 7 of 80h") << qint64(0x80) << 7 << true;
    QTest::newRow("bit 31 of -1") << qint64(-1) << 31 << true;
    QTest::newRow("bit 63 of min") << std::numeric_limits<qint64>::min() << 63 << true;
    QTest::newRow("bit 64 is outside") << qint64(-1) << 64 << false;
    QTest::newRow("negative bit") << qint64(-1) << -1 << false;
}

void TestHelpers::bits()
{
    QFETCH(qint64, value);
    QFETCH(int, bit);
    QFETCH(bool, set);
    QCOMPARE(TestBit(value, bit), set);
    QCOMPARE(GetBitStr(value, bit), set ? QStringLiteral("[да]") : QStringLiteral("[нет]"));

    if (bit >= 0 && bit < 8) {
        quint8 b = 0;
        SetBit(b, bit);
        QCOMPARE(b, quint8(1u << bit));
        SetBit(b, bit);
        QCOMPARE(b, quint8(1u << bit));
    }
}

void TestHelpers::binToInt_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("count");
    QTest::addColumn<qint64>("expected");
    const QByteArray three = bytes({0x01, 0x02, 0x03});
    QTest::newRow("whole, little-endian") << three << 1 << 3 << qint64(0x030201);
    QTest::newRow("from offset 2, two bytes") << three << 2 << 2 << qint64(0x0302);
    QTest::newRow("from offset 2, three bytes: too few") << three << 2 << 3 << qint64(0);
    QTest::newRow("offset 0") << three << 0 << 1 << qint64(0);
    QTest::newRow("offset past the end") << three << 4 << 1 << qint64(0);
    QTest::newRow("count 0") << three << 1 << 0 << qint64(0);
    QTest::newRow("eight bytes FF") << QByteArray(8, char(0xFF)) << 1 << 8 << qint64(-1);
    QTest::newRow("nine bytes are too many") << QByteArray(9, char(0x01)) << 1 << 9 << qint64(0);
    QTest::newRow("high byte") << bytes({0x00, 0x00, 0x00, 0x80}) << 1 << 4 << qint64(0x80000000);
}

void TestHelpers::binToInt()
{
    QFETCH(QByteArray, data);
    QFETCH(int, offset);
    QFETCH(int, count);
    QFETCH(qint64, expected);
    QCOMPARE(BinToInt(data, offset, count), expected);
}

void TestHelpers::intToBin_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<int>("count");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("three bytes") << qint64(0x030201) << 3 << bytes({0x01, 0x02, 0x03});
    QTest::newRow("truncated to one") << qint64(0x1234) << 1 << bytes({0x34});
    QTest::newRow("minus one, eight") << qint64(-1) << 8 << QByteArray(8, char(0xFF));
    QTest::newRow("count 0") << qint64(5) << 0 << QByteArray();
    QTest::newRow("count 9") << qint64(5) << 9 << QByteArray();
}

void TestHelpers::intToBin()
{
    QFETCH(qint64, value);
    QFETCH(int, count);
    QFETCH(QByteArray, expected);
    const QByteArray result = IntToBin(value, count);
    QCOMPARE(result, expected);
    if (!result.isEmpty() && count == 8)
        QCOMPARE(BinToInt(result, 1, count), value);
}

void TestHelpers::exRound_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("step");
    QTest::addColumn<double>("expected");
    QTest::newRow("2.675 by 0.01") << 2.675 << 0.01 << 2.68;
    QTest::newRow("-2.675 by 0.01") << -2.675 << 0.01 << -2.68;
    QTest::newRow("2.674 by 0.01") << 2.674 << 0.01 << 2.67;
    QTest::newRow("half up") << 2.5 << 1.0 << 3.0;
    QTest::newRow("negative half away from zero") << -2.5 << 1.0 << -3.0;
    QTest::newRow("below half") << 2.4 << 1.0 << 2.0;
    QTest::newRow("by 0.5") << 1.25 << 0.5 << 1.5;
    QTest::newRow("zero") << 0.0 << 0.01 << 0.0;
    QTest::newRow("step 0 leaves the value") << 1.234 << 0.0 << 1.234;
}

void TestHelpers::exRound()
{
    QFETCH(double, value);
    QFETCH(double, step);
    QFETCH(double, expected);
    const double result = ExRound(value, step);
    QVERIFY2(qAbs(result - expected) < 1e-9,
             qPrintable(QStringLiteral("%1 instead of %2").arg(result, 0, 'g', 17).arg(expected)));
}

void TestHelpers::baudRate_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("rate");
    const int rates[] = {2400, 4800, 9600, 19200, 38400, 57600, 115200, 230400, 460800, 921600};
    for (int i = 0; i < 10; ++i)
        QTest::addRow("index %d", i) << i << rates[i];
    QTest::newRow("index 10") << 10 << 4800;
    QTest::newRow("index -1") << -1 << 4800;
}

void TestHelpers::baudRate()
{
    QFETCH(int, index);
    QFETCH(int, rate);
    QCOMPARE(IntToBaudRate(index), rate);
}

void TestHelpers::tcpPort()
{
    QCOMPARE(DecodeTCPPort(0x70), quint16(28720));
    QCOMPARE(DecodeTCPPort(0x00), quint16(0x0030));
    QCOMPARE(DecodeTCPPort(0xFF), quint16(0xF03F));
    QCOMPARE(EncodeTCPPort(28720), quint8(0x70));
    for (int code = 0; code < 256; ++code)
        QCOMPARE(EncodeTCPPort(DecodeTCPPort(quint8(code))), quint8(code));
}

void TestHelpers::texts_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("inn");
    QTest::addColumn<QString>("serial");
    QTest::newRow("empty") << "" << "не задан" << "не введен";
    QTest::newRow("given") << "7701234567" << "7701234567" << "7701234567";
}

void TestHelpers::texts()
{
    QFETCH(QString, value);
    QFETCH(QString, inn);
    QFETCH(QString, serial);
    QCOMPARE(GetINN(value), inn);
    QCOMPARE(GetRNM(value), inn);
    QCOMPARE(GetSerialNumber(value), serial);
    QCOMPARE(BoolToYesNo(true), QStringLiteral("[да]"));
    QCOMPARE(BoolToYesNo(false), QStringLiteral("[нет]"));
}

void TestHelpers::textsAreTranslatable()
{
    EnglishCatalogue catalogue;
    QVERIFY(QCoreApplication::installTranslator(&catalogue));
    const auto restore = qScopeGuard([&] { QCoreApplication::removeTranslator(&catalogue); });
    QCOMPARE(BoolToYesNo(true), QStringLiteral("[yes]"));
    QCOMPARE(GetBitStr(0, 0), QStringLiteral("[no]"));
    QCOMPARE(GetRNM(QString()), QStringLiteral("not set"));
    QCOMPARE(GetSerialNumber(QString()), QStringLiteral("not entered"));
}

void TestHelpers::addLeadingZeros_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("expected");
    QTest::newRow("123 to 5") << "123" << 5 << "00123";
    QTest::newRow("123 to 2") << "123" << 2 << "12";
    QTest::newRow("123 to 3") << "123" << 3 << "123";
    QTest::newRow("empty to 2") << "" << 2 << "00";
    QTest::newRow("123 to 0") << "123" << 0 << "";
}

void TestHelpers::addLeadingZeros()
{
    QFETCH(QString, text);
    QFETCH(int, length);
    QFETCH(QString, expected);
    QCOMPARE(AddLeadingZeros(text, length), expected);
}

void TestHelpers::cp866To1251_data()
{
    QTest::addColumn<int>("cp866");
    QTest::addColumn<int>("cp1251");
    QTest::newRow("ASCII") << 0x41 << 0x41;
    QTest::newRow("А") << 0x80 << 0xC0;
    QTest::newRow("п") << 0xAF << 0xEF;
    QTest::newRow("р") << 0xE0 << 0xF0;
    QTest::newRow("я") << 0xEF << 0xFF;
    QTest::newRow("Ё") << 0xF0 << 0xA8;
    QTest::newRow("ё") << 0xF1 << 0xB8;
    QTest::newRow("№") << 0xFC << 0xB9;
    QTest::newRow("no-break space") << 0xFF << 0xA0;
    QTest::newRow("graphics B0") << 0xB0 << int('?');
    QTest::newRow("graphics DF") << 0xDF << int('?');
    QTest::newRow("F9") << 0xF9 << int('?');
    QTest::newRow("FB") << 0xFB << int('?');
    QTest::newRow("FE") << 0xFE << int('?');
}

void TestHelpers::cp866To1251()
{
    QFETCH(int, cp866);
    QFETCH(int, cp1251);
    QCOMPARE(quint8(Char866To1251(char(cp866))), quint8(cp1251));
    QCOMPARE(Str866To1251(bytes({0x41, cp866, 0x20})), bytes({0x41, cp1251, 0x20}));
}

// The upper half against the system's own code page tables, where Qt has them
// (the lower half is ASCII; ICU's IBM tables shuffle a few control codes there).
void TestHelpers::cp866To1251MatchesSystemTables()
{
    QStringDecoder from866("IBM866");
    if (!from866.isValid() || !QStringEncoder("windows-1251").isValid())
        QSKIP("Qt is built without the legacy code pages");
    for (int byte = 0x80; byte < 256; ++byte) {
        const QString text = from866.decode(QByteArray(1, char(byte)));
        QStringEncoder to1251("windows-1251");
        QByteArray expected = to1251.encode(text);
        if (to1251.hasError())
            expected = "?";
        QCOMPARE(Str866To1251(QByteArray(1, char(byte))), expected);
    }
}

void TestHelpers::cp1251Encoding()
{
    QCOMPARE(ToCodePage1251(QStringLiteral("Abc Тест")), QByteArray("Abc \xD2\xE5\xF1\xF2"));
    // Outside the code page: one '?' per character, also beyond the 16-bit range.
    QCOMPARE(ToCodePage1251(QStringLiteral("€✓") + QString::fromUcs4(U"\U0001F600")),
             QByteArray("\x88??"));

    QStringDecoder from1251("windows-1251");
    if (!from1251.isValid())
        QSKIP("Qt is built without the legacy code pages");
    for (int byte = 0; byte < 256; ++byte) {
        const QString text = from1251.decode(QByteArray(1, char(byte)));
        if (byte == 0x98 || text.size() != 1 || text[0] == QChar::ReplacementCharacter)
            continue; // unassigned
        QCOMPARE(ToCodePage1251(text), QByteArray(1, char(byte)));
    }
}

void TestHelpers::readFileData()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString empty = dir.filePath(QStringLiteral("empty.bin"));
    const QString full = dir.filePath(QStringLiteral("full.bin"));
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    for (const auto &[name, content] : {std::pair{empty, QByteArray()}, std::pair{full, all}}) {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
    }
    QCOMPARE(ReadFileData(empty), QByteArray());
    QCOMPARE(ReadFileData(full), all);
}

void TestHelpers::readMissingFileRaisesNamedError()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("нет-такого.bin"));
    try {
        ReadFileData(missing);
        QFAIL("no error for a missing file");
    } catch (const EKassioError &e) {
        QVERIFY2(e.message().contains(missing), qPrintable(e.message()));
    }
}

void TestHelpers::userVeltraPath()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    const auto restore = qScopeGuard([&] { qputenv("XDG_DATA_HOME", saved); });

    const QString expected = home.path() + QStringLiteral("/Veltra/Kassio");
    QVERIFY(!QFileInfo::exists(expected));
    QCOMPARE(GetUserVeltraPath(), expected);
    QVERIFY(QFileInfo(expected).isDir());
    QCOMPARE(GetUserVeltraPath(), expected); // already there
}

QTEST_GUILESS_MAIN(TestHelpers)
#include "tst_helpers.moc"
