// The INN check digits and the registration number check the INN page runs
// against the register's factory number. Expected check digits were worked
// out apart from this code from the weight tables.

#include "common/RegistrationNumber.h"
#include "wizard/registration/InnCheck.h"
#include "wizard/registration/RegDataError.h"

#include <QtTest>

class TestInnCheck : public QObject
{
    Q_OBJECT
private slots:
    void validatesInn_data();
    void validatesInn();
    void checkDigit_data();
    void checkDigit();
    void checksRnmAgainstFactoryNumber_data();
    void checksRnmAgainstFactoryNumber();
};

enum class Outcome { Valid, Invalid, Raises };

void TestInnCheck::validatesInn_data()
{
    QTest::addColumn<QString>("inn");
    QTest::addColumn<int>("outcome");

    const auto valid = int(Outcome::Valid);
    const auto invalid = int(Outcome::Invalid);
    const auto raises = int(Outcome::Raises);
    QTest::newRow("10 digits") << "5001007329" << valid;
    QTest::newRow("10 digits, wrong check digit") << "5001007328" << invalid;
    QTest::newRow("10 digits, leading zero") << "0123456788" << valid;
    QTest::newRow("10 digits, mostly zeros") << "0000000018" << valid;
    // Sum modulo 11 is 10: the check digit is 0, not 10.
    QTest::newRow("10 digits, remainder ten") << "1000000010" << valid;
    QTest::newRow("10 digits, one digit swapped") << "5001007392" << invalid;
    QTest::newRow("12 digits") << "500100732185" << valid;
    QTest::newRow("12 digits, leading zeros") << "001234567887" << valid;
    QTest::newRow("12 digits, wrong eleventh") << "500100732085" << invalid;
    QTest::newRow("12 digits, wrong twelfth") << "500100732184" << invalid;
    QTest::newRow("11 digits") << "50010073218" << invalid;
    QTest::newRow("9 digits") << "500100732" << invalid;
    QTest::newRow("13 digits") << "5001007321850" << invalid;
    QTest::newRow("empty") << "" << invalid;
    QTest::newRow("letter among the digits") << "50010A7329" << raises;
    QTest::newRow("blank among the digits") << "5001 07329" << raises;
    QTest::newRow("letter in 12 digits") << "5001007321X5" << invalid;
    QTest::newRow("letter among 12 digits") << "50010073218Y" << invalid;
    QTest::newRow("letter in 11 characters") << "5001007321X" << invalid;
    QTest::newRow("letter as the check digit") << "500100732X" << invalid;
    // Digits of another script are not the digits 0 to 9.
    QTest::newRow("Arabic-Indic digit") << QString::fromUtf16(u"500100732\u0669") << invalid;
    QTest::newRow("Arabic-Indic digit among the digits")
        << QString::fromUtf16(u"\u0665001007329") << raises;
}

void TestInnCheck::validatesInn()
{
    QFETCH(QString, inn);
    QFETCH(int, outcome);
    if (Outcome(outcome) == Outcome::Raises) {
        QVERIFY_THROWS_EXCEPTION(ERegDataError, IsValidINN(inn));
        return;
    }
    QCOMPARE(IsValidINN(inn), Outcome(outcome) == Outcome::Valid);
}

void TestInnCheck::checkDigit_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("digit"); // -1: raises

    QTest::newRow("10: first nine digits") << 10 << "500100732" << 9;
    QTest::newRow("11: first ten digits") << 11 << "5001007321" << 8;
    QTest::newRow("12: first eleven digits") << 12 << "50010073218" << 5;
    QTest::newRow("characters after the weighted ones") << 10 << "500100732??" << 9;
    QTest::newRow("text too short") << 12 << "5001007321" << -1;
    QTest::newRow("no such position") << 9 << "50010073" << -1;
}

void TestInnCheck::checkDigit()
{
    QFETCH(int, n);
    QFETCH(QString, text);
    QFETCH(int, digit);
    if (digit < 0) {
        QVERIFY_THROWS_EXCEPTION(ERegDataError, INNCheckDigit(n, text));
        return;
    }
    QCOMPARE(INNCheckDigit(n, text), digit);
}

void TestInnCheck::checksRnmAgainstFactoryNumber_data()
{
    QTest::addColumn<QString>("rnm");
    QTest::addColumn<QString>("inn");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<bool>("valid");

    // CRC-16/CCITT-FALSE of "0000012345" + "000123456789" + the serial
    // zero-filled to 20 characters: 39523.
    QTest::newRow("matching factory number") << "0000012345039523" << "0123456789" << "0012345678901" << true;
    QTest::newRow("factory number without its zeros") << "0000012345039523" << "0123456789" << "12345678901" << true;
    QTest::newRow("another register") << "0000012345039523" << "0123456789" << "0012345678902" << false;
    QTest::newRow("another INN") << "0000012345039523" << "0123456780" << "0012345678901" << false;
    // A 21-character factory number takes part whole: CRC 54495.
    QTest::newRow("long factory number used whole")
        << "0000012345054495" << "0123456789" << "123456789012345678901" << true;
    QTest::newRow("one character more") << "00000123450395231" << "0123456789" << "0012345678901" << false;
}

void TestInnCheck::checksRnmAgainstFactoryNumber()
{
    QFETCH(QString, rnm);
    QFETCH(QString, inn);
    QFETCH(QString, serial);
    QFETCH(bool, valid);
    QCOMPARE(IsValidRNM(rnm, inn, serial), valid);
}

QTEST_GUILESS_MAIN(TestInnCheck)
#include "tst_inncheck.moc"
