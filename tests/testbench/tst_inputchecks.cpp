// The input checks that pages share: amount text, long integer text, and the
// password field's paste check.

#include "driver/Helpers.h"
#include "testbench/shell/InputChecks.h"
#include "testbench/shell/PasswordEdit.h"

#include <QtTest>

class TestInputChecks : public QObject
{
    Q_OBJECT
private slots:
    void getSumm_data();
    void getSumm();
    void checkIntStr_data();
    void checkIntStr();
    void passwordText_data();
    void passwordText();
};

void TestInputChecks::getSumm_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("currency");

    QTest::newRow("point") << "12.34" << true << qint64(123400);
    QTest::newRow("comma") << "12,34" << true << qint64(123400);
    QTest::newRow("blanks") << " 1 000.5 " << true << qint64(10005000);
    QTest::newRow("half rounds up") << "2.675" << true << qint64(26800);
    QTest::newRow("negative half") << "-2.675" << true << qint64(-26800);
    QTest::newRow("largest") << "10995116277" << true << qint64(109951162770000);
    QTest::newRow("above largest") << "10995116277.01" << false << qint64(0);
    QTest::newRow("far negative overflows") << "-1e300" << false << qint64(0);
    QTest::newRow("letters") << "12a" << false << qint64(0);
    QTest::newRow("empty") << "" << false << qint64(0);
    QTest::newRow("infinity") << "inf" << false << qint64(0);
    QTest::newRow("not a number") << "nan" << false << qint64(0);
}

void TestInputChecks::getSumm()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(qint64, currency);
    try {
        const qint64 value = GetSumm(text, QStringLiteral("Сумма"));
        QVERIFY2(valid, qPrintable(QStringLiteral("accepted as %1").arg(value)));
        QCOMPARE(value, currency);
    } catch (const EKassioError &e) {
        QVERIFY2(!valid, qPrintable(e.message()));
        QCOMPARE(e.message(), QStringLiteral("Некорректное значение в поле\r\n\"Сумма\""));
    }
}

void TestInputChecks::checkIntStr_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("valid");
    QTest::newRow("1024") << 1024 << true;
    QTest::newRow("1025") << 1025 << false;
}

void TestInputChecks::checkIntStr()
{
    QFETCH(int, length);
    QFETCH(bool, valid);
    try {
        CheckIntStr(QString(length, QLatin1Char('1')), QStringLiteral("Номер"));
        QVERIFY(valid);
    } catch (const EKassioError &e) {
        QVERIFY(!valid);
        QCOMPARE(e.message(), QStringLiteral("Некорректное значение в поле \"Номер\""));
    }
}

void TestInputChecks::passwordText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");
    QTest::newRow("digits") << "30" << QString();
    QTest::newRow("negative") << "-5" << QString();
    QTest::newRow("letter") << "3a" << "\"3a\" не является целым числом";
    QTest::newRow("full stop") << "3.0" << "\"3.0\" не является целым числом";
    QTest::newRow("beyond int") << "4294967296" << "\"4294967296\" не является целым числом";
    QTest::newRow("1025 digits") << QString(1025, QLatin1Char('1'))
                                 << "Некорректное значение в поле \"Password\"";
}

void TestInputChecks::passwordText()
{
    QFETCH(QString, text);
    QFETCH(QString, error);
    try {
        CheckPasswordText(text);
        QVERIFY2(error.isEmpty(), "accepted");
    } catch (const EKassioError &e) {
        QCOMPARE(e.message(), error);
    }
}

QTEST_GUILESS_MAIN(TestInputChecks)
#include "tst_inputchecks.moc"
