// The emulated register's fiscal drive: a new register's drive, the shift and
// report commands with their documents, the drive's errors, registers without
// a drive, and the drive surviving in the state file.
#include "EmulatorCalls.h"
#include "KassioTestEnv.h"
#include "fn/FnFixture.h"

#include "emulator/EmulatedRegister.h"
#include "emulator/FiscalDrive.h"

#include <QFile>
#include <QtTest>

using namespace emu;
using kassio::MethodId;
using kassio::PropId;

namespace {

using emutest::output;
using emutest::run;

kassio::PropList documentNumber(quint32 n) { return {{PropId::DocumentNumber, static_cast<int>(n), true}}; }

} // namespace

class TestFiscalDrive : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { m_env = std::make_unique<KassioTestEnv>(); }
    void newRegisterHasReadyDrive();
    void newFiscalDriveReplacesTheDrive();
    void sessionCycleWritesDocuments();
    void refusedCommandsChangeNothing_data();
    void refusedCommandsChangeNothing();
    void calculationReportCountsUnsentDocuments();
    void closeFiscalModeEndsFiscalMode();
    void findDocumentGivesTypeData();
    void receiptQrCode();
    void keyUpdateCommandAndSessionOpen();
    void registerWithoutDriveRefusesDriveCommands();
    void driveSurvivesReopening();

private:
    QString freshFile(const QString &name)
    {
        const QString path = m_env->path(name);
        QFile::remove(path);
        return path;
    }
    std::unique_ptr<KassioTestEnv> m_env;
};

void TestFiscalDrive::newRegisterHasReadyDrive()
{
    EmulatedRegister reg(freshFile(QStringLiteral("ready.db")));
    const auto status = run(reg, MethodId::FNGetStatus);
    QCOMPARE(status.resultCode, 0);
    QCOMPARE(output(status, PropId::FNLifeState).toInt(), fnphase::Ready);
    QCOMPARE(output(status, PropId::FNCurrentDocument).toInt(), 0);
    QCOMPARE(output(status, PropId::FNSessionState).toInt(), 0);
    QCOMPARE(output(status, PropId::DocumentNumber).toInt(), 0);
    const QString serial = output(status, PropId::SerialNumber).toString();
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d{16}$")).match(serial).hasMatch(), qPrintable(serial));
    // The same drive answers every query.
    QCOMPARE(output(run(reg, MethodId::FNGetSerial), PropId::SerialNumber).toString(), serial);
    const auto expiry = run(reg, MethodId::FNGetExpirationTime);
    QVERIFY(output(expiry, PropId::Date).toDateTime() > QDateTime::currentDateTime().addYears(2));
    QCOMPARE(output(expiry, PropId::FreeRegistration).toInt(), 30);
    QCOMPARE(output(expiry, PropId::RegistrationNumber).toInt(), 0);
}

void TestFiscalDrive::newFiscalDriveReplacesTheDrive()
{
    EmulatedRegister reg(freshFile(QStringLiteral("replace.db")));
    QVERIFY(fnfixture::FiscalizeRegister(reg));
    QCOMPARE(run(reg, MethodId::OpenSession).resultCode, 0);

    QVERIFY(reg.newFiscalDrive());
    const auto status = run(reg, MethodId::FNGetStatus);
    QCOMPARE(output(status, PropId::FNLifeState).toInt(), fnphase::Ready);
    QCOMPARE(output(status, PropId::DocumentNumber).toInt(), 0);
    QVERIFY(output(status, PropId::SerialNumber).toString() != fnfixture::Serial);
    // The shift of the old drive did not move over.
    QCOMPARE(reg.snapshot().ecrMode, 4);
}

void TestFiscalDrive::sessionCycleWritesDocuments()
{
    EmulatedRegister reg(freshFile(QStringLiteral("session.db")));
    QVERIFY(fnfixture::FiscalizeRegister(reg));

    QCOMPARE(run(reg, MethodId::FNBeginOpenSession).resultCode, 0);
    QCOMPARE(output(run(reg, MethodId::FNGetStatus), PropId::FNCurrentDocument).toInt(), fnopen::OpenSession);
    QCOMPARE(run(reg, MethodId::OpenSession).resultCode, 0);
    auto params = run(reg, MethodId::FNGetCurrentSessionParams);
    QCOMPARE(output(params, PropId::SessionNumber).toInt(), 2);
    QCOMPARE(output(params, PropId::FNSessionState).toInt(), 1);
    QCOMPARE(reg.snapshot().ecrMode, 2);

    QCOMPARE(run(reg, MethodId::FNBeginCloseSession).resultCode, 0);
    QCOMPARE(run(reg, MethodId::PrintReportWithCleaning).resultCode, 0);
    params = run(reg, MethodId::FNGetCurrentSessionParams);
    QCOMPARE(output(params, PropId::FNSessionState).toInt(), 0);
    const RegisterState s = reg.snapshot();
    QCOMPARE(s.ecrMode, 4);
    QCOMPARE(s.sessionNumber, 2);
    QCOMPARE(s.documentNumber, 8);

    const auto open = run(reg, MethodId::FNFindDocument, documentNumber(7));
    QCOMPARE(output(open, PropId::DocumentType).toInt(), fdtype::OpenSession);
    QCOMPARE(output(open, PropId::SessionNumber).toInt(), 2);
    const auto close = run(reg, MethodId::FNFindDocument, documentNumber(8));
    QCOMPARE(output(close, PropId::DocumentType).toInt(), fdtype::CloseSession);
    QCOMPARE(output(close, PropId::SessionNumber).toInt(), 2);
    const QString tape = tapeText(reg.tape());
    QVERIFY2(tape.contains(QStringLiteral("ОТЧЕТ ОБ ОТКРЫТИИ СМЕНЫ")) && tape.contains(QStringLiteral("ОТЧЕТ О ЗАКРЫТИИ СМЕНЫ")),
             qPrintable(tape));
}

// Each refused command answers its code and leaves the drive as it was.
void TestFiscalDrive::refusedCommandsChangeNothing_data()
{
    QTest::addColumn<bool>("fiscal");
    QTest::addColumn<bool>("sessionOpen");
    QTest::addColumn<bool>("paperOut");
    QTest::addColumn<int>("method");
    QTest::addColumn<int>("code");
    const auto m = [](MethodId id) { return static_cast<int>(id); };
    QTest::newRow("open session before fiscalization") << false << false << false << m(MethodId::OpenSession) << 2;
    QTest::newRow("begin open session before fiscalization") << false << false << false << m(MethodId::FNBeginOpenSession) << 2;
    QTest::newRow("calculation report before fiscalization") << false << false << false << m(MethodId::FNBuildCalculationStateReport) << 2;
    QTest::newRow("close fiscal mode before fiscalization") << false << false << false << m(MethodId::FNCloseFiscalMode) << 2;
    QTest::newRow("open session twice") << true << true << false << m(MethodId::OpenSession) << 0x3C;
    QTest::newRow("close a closed session") << true << false << false << m(MethodId::PrintReportWithCleaning) << 0x3D;
    QTest::newRow("begin closing a closed session") << true << false << false << m(MethodId::FNBeginCloseSession) << 2;
    QTest::newRow("close fiscal mode in a session") << true << true << false << m(MethodId::FNCloseFiscalMode) << 2;
    QTest::newRow("open session without paper") << true << false << true << m(MethodId::OpenSession) << 107;
    QTest::newRow("Z report without paper") << true << true << true << m(MethodId::PrintReportWithCleaning) << 107;
}

void TestFiscalDrive::refusedCommandsChangeNothing()
{
    QFETCH(bool, fiscal);
    QFETCH(bool, sessionOpen);
    QFETCH(bool, paperOut);
    QFETCH(int, method);
    QFETCH(int, code);
    EmulatedRegister reg(freshFile(QStringLiteral("refused.db")));
    if (fiscal)
        QVERIFY(fnfixture::FiscalizeRegister(reg));
    if (sessionOpen)
        QCOMPARE(run(reg, MethodId::OpenSession).resultCode, 0);
    QVERIFY(reg.setPaperOut(paperOut));
    const RegisterState before = reg.snapshot();

    QCOMPARE(run(reg, static_cast<MethodId>(method)).resultCode, code);
    const RegisterState after = reg.snapshot();
    QCOMPARE(after.sections.value(u"fn"), before.sections.value(u"fn"));
    QCOMPARE(after.ecrMode, before.ecrMode);
}

void TestFiscalDrive::calculationReportCountsUnsentDocuments()
{
    EmulatedRegister reg(freshFile(QStringLiteral("calc.db")));
    QVERIFY(fnfixture::FiscalizeRegister(reg));
    QCOMPARE(run(reg, MethodId::FNBeginCalculationStateReport).resultCode, 0);
    const auto report = run(reg, MethodId::FNBuildCalculationStateReport);
    QCOMPARE(report.resultCode, 0);
    QCOMPARE(output(report, PropId::DocumentNumber).toInt(), 7);
    QCOMPARE(output(report, PropId::DocumentCount).toInt(), 4); // documents 3 to 6
    // The first unsent document is the receipt, 10:30.
    QCOMPARE(output(report, PropId::Date).toDateTime().date(), QDate(2026, 3, 14));
    QCOMPARE(output(report, PropId::Time).toDateTime().time(), QTime(10, 30));
    const auto found = run(reg, MethodId::FNFindDocument, documentNumber(7));
    QCOMPARE(output(found, PropId::DocumentType).toInt(), fdtype::CalculationReport);
    QCOMPARE(output(found, PropId::DocumentCount).toInt(), 4);
    QCOMPARE(output(found, PropId::FiscalSign), output(report, PropId::FiscalSign));
    QCOMPARE(output(run(reg, MethodId::FNGetStatus), PropId::FNCurrentDocument).toInt(), fnopen::None);
}

void TestFiscalDrive::closeFiscalModeEndsFiscalMode()
{
    EmulatedRegister reg(freshFile(QStringLiteral("close.db")));
    QVERIFY(fnfixture::FiscalizeRegister(reg));
    QCOMPARE(run(reg, MethodId::FNBeginCloseFiscalMode).resultCode, 0);
    QCOMPARE(output(run(reg, MethodId::FNGetStatus), PropId::FNCurrentDocument).toInt(), fnopen::CloseFiscalMode);
    const auto closed = run(reg, MethodId::FNCloseFiscalMode);
    QCOMPARE(closed.resultCode, 0);
    QCOMPARE(output(closed, PropId::DocumentNumber).toInt(), 7);
    QCOMPARE(output(run(reg, MethodId::FNGetStatus), PropId::FNLifeState).toInt(), fnphase::Closed);
    const auto found = run(reg, MethodId::FNFindDocument, documentNumber(7));
    QCOMPARE(output(found, PropId::DocumentType).toInt(), fdtype::CloseFiscalMode);
    QCOMPARE(output(found, PropId::INN).toString(), QStringLiteral("7701234567"));
    // No shift, no second closing.
    QCOMPARE(run(reg, MethodId::OpenSession).resultCode, 2);
    QCOMPARE(run(reg, MethodId::FNCloseFiscalMode).resultCode, 2);
    // Once the OFD has every document, the transfer bit follows.
    QVERIFY(fnfixture::ChangeDrive(reg, [](FiscalDrive &fn) { fn.confirmUpTo(fn.lastDocumentNumber()); }));
    QCOMPARE(output(run(reg, MethodId::FNGetStatus), PropId::FNLifeState).toInt(), fnphase::Finished);
}

void TestFiscalDrive::findDocumentGivesTypeData()
{
    EmulatedRegister reg(freshFile(QStringLiteral("find.db")));
    QVERIFY(fnfixture::FiscalizeRegister(reg));
    const auto receipt = run(reg, MethodId::FNFindDocument, documentNumber(3));
    QCOMPARE(receipt.resultCode, 0);
    QCOMPARE(output(receipt, PropId::DocumentType).toInt(), fdtype::Receipt);
    QCOMPARE(output(receipt, PropId::OFDTicketReceived).toBool(), false);
    QCOMPARE(static_cast<quint32>(output(receipt, PropId::FiscalSign).toInt()), 3000000000u);
    QCOMPARE(output(receipt, PropId::Summ1).toLongLong(), 12345000);
    QCOMPARE(output(receipt, PropId::OperationType).toInt(), 1);

    const auto rereg = run(reg, MethodId::FNFindDocument, documentNumber(5));
    QCOMPARE(output(rereg, PropId::RegistrationReasonCode).toInt(), 4);
    QCOMPARE(static_cast<quint32>(output(rereg, PropId::RegistrationReasonCodeEx).toInt()), 0x80000001u);
    QCOMPARE(output(rereg, PropId::KKTRegistrationNumber).toString(), QStringLiteral("0000000001012345"));
    QCOMPARE(output(run(reg, MethodId::FNFindDocument, documentNumber(1)), PropId::OFDTicketReceived).toBool(), true);

    QCOMPARE(run(reg, MethodId::FNFindDocument, documentNumber(99)).resultCode, fnerror::NoData);
    QCOMPARE(run(reg, MethodId::FNFindDocument, documentNumber(3000000000u)).resultCode, fnerror::NoData);
}

void TestFiscalDrive::receiptQrCode()
{
    EmulatedRegister reg(freshFile(QStringLiteral("qr.db")));
    QVERIFY(fnfixture::FiscalizeRegister(reg));
    const auto qr = run(reg, MethodId::FNReadFiscalBarcode, documentNumber(3));
    QCOMPARE(qr.resultCode, 0);
    QCOMPARE(output(qr, PropId::BarCode).toString(),
             QStringLiteral("t=20260314T1030&s=1234.50&fn=9999000000000001&i=3&fp=3000000000&n=1"));
    QCOMPARE(run(reg, MethodId::FNReadFiscalBarcode, documentNumber(2)).resultCode, fnerror::BadParameters);
    QCOMPARE(run(reg, MethodId::FNReadFiscalBarcode, documentNumber(42)).resultCode, fnerror::NoData);
}

void TestFiscalDrive::keyUpdateCommandAndSessionOpen()
{
    EmulatedRegister reg(freshFile(QStringLiteral("keys.db")));
    QVERIFY(fnfixture::FiscalizeRegister(reg));
    const kassio::PropList command = {{PropId::BinaryConversion, 1, true},
                                      {PropId::TransferBytes, QStringLiteral("FE E1 00 00 00 00"), true}};
    const auto first = run(reg, MethodId::ExchangeBytes, command);
    QCOMPARE(first.resultCode, 0);
    QCOMPARE(output(first, PropId::TransferBytes).toString(), QStringLiteral("FE 00 02"));
    QCOMPARE(output(run(reg, MethodId::ExchangeBytes, command), PropId::TransferBytes).toString(), QStringLiteral("FE 00 FE"));

    // Updated already: the session open has nothing to do, and the status says so.
    QCOMPARE(run(reg, MethodId::OpenSession).resultCode, 0);
    const auto status = run(reg, MethodId::GetShortECRStatus);
    QCOMPARE(output(status, PropId::UpdateKeysResultCode).toInt(), FiscalDrive::KeysNotNeeded);
    QCOMPARE(output(status, PropId::UpdateKeysStatus).toInt(), 0);

    QVERIFY(fnfixture::ChangeDrive(reg, [](FiscalDrive &fn) { fn.okpLink = false; }));
    QCOMPARE(output(run(reg, MethodId::ExchangeBytes, command), PropId::TransferBytes).toString(), QStringLiteral("FE 00 FF"));
}

void TestFiscalDrive::registerWithoutDriveRefusesDriveCommands()
{
    EmulatedRegister reg(freshFile(QStringLiteral("fm.db")));
    QVERIFY(reg.factoryReset(110));
    QVERIFY(!reg.snapshot().sections.contains(u"fn"));
    for (MethodId m : {MethodId::FNGetStatus, MethodId::FNGetSerial, MethodId::FNFindDocument, MethodId::FNCancelDocument,
                       MethodId::FNGetImplementation})
        QCOMPARE(run(reg, m).resultCode, code::NotSupported);
    const kassio::PropList command = {{PropId::TransferBytes, QStringLiteral("FE E1 00 00 00 00"), true}};
    QCOMPARE(run(reg, MethodId::ExchangeBytes, command).resultCode, code::NotSupported);
    // Its shift is the register's own.
    QCOMPARE(run(reg, MethodId::OpenSession).resultCode, 0);
    QCOMPARE(run(reg, MethodId::PrintReportWithCleaning).resultCode, 0);
    QCOMPARE(reg.snapshot().sessionNumber, 1);
    QVERIFY(!reg.snapshot().sections.contains(u"fn"));
}

void TestFiscalDrive::driveSurvivesReopening()
{
    const QString file = freshFile(QStringLiteral("reopen.db"));
    QString serial;
    QVariant sign;
    {
        EmulatedRegister reg(file);
        QVERIFY(fnfixture::FiscalizeRegister(reg));
        QCOMPARE(run(reg, MethodId::OpenSession).resultCode, 0);
        serial = output(run(reg, MethodId::FNGetSerial), PropId::SerialNumber).toString();
        sign = output(run(reg, MethodId::FNFindDocument, documentNumber(7)), PropId::FiscalSign);
    }
    EmulatedRegister reg(file);
    QCOMPARE(output(run(reg, MethodId::FNGetSerial), PropId::SerialNumber).toString(), serial);
    const auto found = run(reg, MethodId::FNFindDocument, documentNumber(7));
    QCOMPARE(output(found, PropId::FiscalSign), sign);
    QCOMPARE(output(run(reg, MethodId::FNGetCurrentSessionParams), PropId::FNSessionState).toInt(), 1);
}

QTEST_GUILESS_MAIN(TestFiscalDrive)
#include "tst_fiscaldrive.moc"
