// The registration number: generation (parts fitted to their widths, the
// CRC-16/CCITT-FALSE check part with leading zeros) and the wizard's check.
// The expected numbers were worked out apart from this code: the joined
// 42-character text, its CRC and the zero-filled decimal.

#include "common/RegistrationNumber.h"

#include <QtTest>

class TestRegistrationNumber : public QObject
{
    Q_OBJECT
private slots:
    void generates_data();
    void generates();
    void checks_data();
    void checks();
};

void TestRegistrationNumber::generates_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("inn");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("rnm");

    // Joined: "000000000100123456789000000000000000012345", CRC 47981.
    QTest::newRow("short parts get leading zeros") << "1" << "1234567890" << "12345" << "0000000001047981";
    QTest::newRow("parts already at width") << "0000000001" << "001234567890" << "00000000000000012345"
                                            << "0000000001047981";
    // CRC 10: the check part is zero-filled to six characters.
    QTest::newRow("small CRC keeps its zeros") << "1" << "7702345678" << "70" << "0000000001000010";
    QTest::newRow("empty fields count as zeros") << "" << "" << "" << "0000000000027160";
    // Cut to "1234567890", "123456789012", "12345678901234567890".
    QTest::newRow("long parts are cut") << "12345678901" << "1234567890123" << "123456789012345678901"
                                        << "1234567890044827";
}

void TestRegistrationNumber::generates()
{
    QFETCH(QString, number);
    QFETCH(QString, inn);
    QFETCH(QString, serial);
    QFETCH(QString, rnm);
    QCOMPARE(GenerateRNM(number, inn, serial), rnm);
}

void TestRegistrationNumber::checks_data()
{
    QTest::addColumn<QString>("rnm");
    QTest::addColumn<QString>("inn");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<bool>("valid");

    QTest::newRow("generated number") << "0000000001047981" << "1234567890" << "12345" << true;
    QTest::newRow("zero-filled check part") << "0000000001000010" << "7702345678" << "70" << true;
    QTest::newRow("wrong check part") << "0000000001047982" << "1234567890" << "12345" << false;
    QTest::newRow("another serial number") << "0000000001047981" << "1234567890" << "12346" << false;
    QTest::newRow("one character more") << "00000000010479810" << "1234567890" << "12345" << false;
    QTest::newRow("one character less") << "000000000104798" << "1234567890" << "12345" << false;
    QTest::newRow("number only") << "0000000001" << "1234567890" << "12345" << false;
    QTest::newRow("empty") << "" << "" << "" << false;
    // Long parts take part whole: joined "1234567890" + "1234567890123" +
    // "123456789012345678901", CRC 50735.
    QTest::newRow("long parts used whole") << "1234567890050735" << "1234567890123" << "123456789012345678901"
                                           << true;
    QTest::newRow("long parts not cut") << "1234567890044827" << "1234567890123" << "123456789012345678901"
                                        << false;
}

void TestRegistrationNumber::checks()
{
    QFETCH(QString, rnm);
    QFETCH(QString, inn);
    QFETCH(QString, serial);
    QFETCH(bool, valid);
    QCOMPARE(IsValidRNM(rnm, inn, serial), valid);
}

QTEST_APPLESS_MAIN(TestRegistrationNumber)
#include "tst_registrationnumber.moc"
