// The emulated drive's correction receipts and tags: what it refuses (and
// that a refusal writes nothing), the tags kept with the document they were
// sent into, composites, and tags given up with a cancelled document.
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

kassio::Reply run(EmulatedRegister &r, MethodId m, kassio::PropList props = {})
{
    kassio::Request req;
    req.method = m;
    req.props = std::move(props);
    return r.execute(req);
}

FiscalDrive drive(EmulatedRegister &r) { return FiscalDrive::load(r.snapshot(), QDateTime::currentDateTime()); }

kassio::PropList byteTag(int tag, int value)
{
    return {{PropId::TagNumber, tag, true}, {PropId::TagType, 0, true}, {PropId::TagValueInt, value, true}};
}

kassio::PropList textTag(int tag, const QString &value)
{
    return {{PropId::TagNumber, tag, true}, {PropId::TagType, 7, true}, {PropId::TagValueStr, value, true}};
}

kassio::PropList oneSum(qint64 total, int checkType)
{
    return {{PropId::Summ1, total, true}, {PropId::CheckType, checkType, true}};
}

kassio::PropList fullForm(qint64 total, int correctionType, int sign, int taxType)
{
    return {{PropId::Summ1, total, true},
            {PropId::Summ2, total, true},
            {PropId::CorrectionType, correctionType, true},
            {PropId::CalculationSign, sign, true},
            {PropId::TaxType, taxType, true}};
}

} // namespace

class TestFnCorrectionDrive : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { m_env = std::make_unique<KassioTestEnv>(); }
    void init();
    void refusalsWriteNothing_data();
    void refusalsWriteNothing();
    void tagsGoWithTheirDocument();
    void tagErrors_data();
    void tagErrors();
    void cancelDropsTheTags();

private:
    enum Setup { NewDrive, FiscalShiftClosed, ShiftOpen, CorrectionOpen };
    void prepare(Setup setup);

    std::unique_ptr<KassioTestEnv> m_env;
    std::unique_ptr<EmulatedRegister> m_reg;
    int m_file = 0;
};

void TestFnCorrectionDrive::init()
{
    m_reg.reset();
    const QString path = m_env->path(QStringLiteral("drive%1.db").arg(++m_file));
    QFile::remove(path);
    m_reg = std::make_unique<EmulatedRegister>(path);
}

void TestFnCorrectionDrive::prepare(Setup setup)
{
    if (setup == NewDrive)
        return;
    QVERIFY(fnfixture::FiscalizeRegister(*m_reg));
    if (setup == FiscalShiftClosed)
        return;
    QCOMPARE(run(*m_reg, MethodId::OpenSession).resultCode, 0);
    if (setup == CorrectionOpen)
        QCOMPARE(run(*m_reg, MethodId::FNBeginCorrectionReceipt).resultCode, 0);
}

void TestFnCorrectionDrive::refusalsWriteNothing_data()
{
    QTest::addColumn<int>("setup");
    QTest::addColumn<int>("method");
    QTest::addColumn<kassio::PropList>("props");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("description");
    const auto method = [](MethodId m) { return static_cast<int>(m); };
    const QString wrongState = QStringLiteral("Другое состояние ФН");
    const QString badParameter = QStringLiteral("Некорректное значение параметров команды");
    QTest::newRow("begin before fiscal mode") << int(NewDrive) << method(MethodId::FNBeginCorrectionReceipt)
                                              << kassio::PropList{} << 2 << wrongState;
    QTest::newRow("begin with the shift closed") << int(FiscalShiftClosed) << method(MethodId::FNBeginCorrectionReceipt)
                                                 << kassio::PropList{} << 0x3D
                                                 << QStringLiteral("Смена не открыта, операция невозможна");
    QTest::newRow("full form with no correction open") << int(ShiftOpen) << method(MethodId::FNBuildCorrectionReceipt2)
                                                        << fullForm(10000, 0, 1, 1) << 2 << wrongState;
    QTest::newRow("one-sum form with no correction open") << int(ShiftOpen) << method(MethodId::FNBuildCorrectionReceipt)
                                                           << oneSum(10000, 1) << 2 << wrongState;
    QTest::newRow("calculation sign 2") << int(CorrectionOpen) << method(MethodId::FNBuildCorrectionReceipt2)
                                        << fullForm(10000, 0, 2, 1) << 9 << badParameter;
    QTest::newRow("correction type 2") << int(CorrectionOpen) << method(MethodId::FNBuildCorrectionReceipt2)
                                       << fullForm(10000, 2, 1, 1) << 9 << badParameter;
    QTest::newRow("two tax systems") << int(CorrectionOpen) << method(MethodId::FNBuildCorrectionReceipt2)
                                     << fullForm(10000, 0, 1, 3) << 9 << badParameter;
    QTest::newRow("negative total") << int(CorrectionOpen) << method(MethodId::FNBuildCorrectionReceipt2)
                                    << fullForm(-10000, 0, 1, 1) << 9 << badParameter;
    QTest::newRow("one-sum form, check type 2") << int(CorrectionOpen) << method(MethodId::FNBuildCorrectionReceipt)
                                                << oneSum(10000, 2) << 9 << badParameter;
}

void TestFnCorrectionDrive::refusalsWriteNothing()
{
    QFETCH(int, setup);
    QFETCH(int, method);
    QFETCH(kassio::PropList, props);
    QFETCH(int, code);
    QFETCH(QString, description);
    prepare(static_cast<Setup>(setup));
    const FiscalDrive before = drive(*m_reg);
    const auto reply = run(*m_reg, static_cast<MethodId>(method), props);
    QCOMPARE(reply.resultCode, code);
    QCOMPARE(reply.description, description);
    const FiscalDrive after = drive(*m_reg);
    QCOMPARE(after.documents.size(), before.documents.size());
    QCOMPARE(after.receiptNumber, before.receiptNumber);
    QCOMPARE(after.currentDocument, before.currentDocument);
}

// Document tags, operation tags and a composite sent into the open
// correction go into its archive document in order; the next document
// starts without them.
void TestFnCorrectionDrive::tagsGoWithTheirDocument()
{
    prepare(CorrectionOpen);
    QCOMPARE(run(*m_reg, MethodId::FNSendTag, textTag(1179, QStringLiteral("П-12"))).resultCode, 0);
    QCOMPARE(run(*m_reg, MethodId::FNSendTagOperation, byteTag(1222, 0x41)).resultCode, 0);
    QCOMPARE(run(*m_reg, MethodId::FNBeginSTLVTag, {{PropId::TagNumber, 1224, true}}).resultCode, 0);
    QCOMPARE(run(*m_reg, MethodId::FNAddTag, textTag(1171, QStringLiteral("+79990001122"))).resultCode, 0);
    QCOMPARE(run(*m_reg, MethodId::FNAddTag, textTag(1225, QStringLiteral("ООО Поставщик"))).resultCode, 0);
    QCOMPARE(run(*m_reg, MethodId::FNSendSTLVTagOperation, {{PropId::TagNumber, 1224, true}}).resultCode, 0);
    const auto reply = run(*m_reg, MethodId::FNBuildCorrectionReceipt, oneSum(50000, 3));
    QCOMPARE(reply.resultCode, 0);

    const FiscalDrive fn = drive(*m_reg);
    const FnDocument &d = fn.documents.back();
    QCOMPARE(d.type, fdtype::CorrectionReceipt);
    const QJsonArray sent = d.sentTags();
    QCOMPARE(sent.size(), 3);
    QCOMPARE(sent[0].toObject().value(u"tag").toInt(), 1179);
    QCOMPARE(sent[0].toObject().value(u"value").toString(), QStringLiteral("П-12"));
    QVERIFY(!sent[0].toObject().contains(u"operation"));
    QCOMPARE(sent[1].toObject().value(u"value").toInt(), 0x41);
    QVERIFY(sent[1].toObject().value(u"operation").toBool());
    const QJsonObject composite = sent[2].toObject();
    QCOMPARE(composite.value(u"tag").toInt(), 1224);
    QCOMPARE(composite.value(u"type").toInt(), 8);
    QVERIFY(composite.value(u"operation").toBool());
    const QJsonArray members = composite.value(u"members").toArray();
    QCOMPARE(members.size(), 2);
    QCOMPARE(members[1].toObject().value(u"value").toString(), QStringLiteral("ООО Поставщик"));
    QVERIFY(fn.pendingTags.isEmpty());

    QCOMPARE(run(*m_reg, MethodId::FNBeginCorrectionReceipt).resultCode, 0);
    QCOMPARE(run(*m_reg, MethodId::FNBuildCorrectionReceipt, oneSum(10000, 1)).resultCode, 0);
    QVERIFY(drive(*m_reg).documents.back().sentTags().isEmpty());
}

void TestFnCorrectionDrive::tagErrors_data()
{
    QTest::addColumn<QList<int>>("methods");
    QTest::addColumn<QList<kassio::PropList>>("props");
    QTest::addColumn<int>("code"); // of the last call; the ones before succeed
    using L = QList<kassio::PropList>;
    const auto m = [](std::initializer_list<MethodId> ids) {
        QList<int> list;
        for (MethodId id : ids)
            list << static_cast<int>(id);
        return list;
    };
    const kassio::PropList stlv1223{{PropId::TagNumber, 1223, true}};
    QTest::newRow("tag number 0") << m({MethodId::FNSendTag}) << L{textTag(0, QStringLiteral("x"))} << 9;
    QTest::newRow("tag number above 65535") << m({MethodId::FNSendTagOperation}) << L{textTag(65536, QStringLiteral("x"))} << 9;
    QTest::newRow("byte value 256") << m({MethodId::FNSendTag}) << L{byteTag(1057, 256)} << 9;
    QTest::newRow("byte value -1") << m({MethodId::FNSendTagOperation}) << L{byteTag(1222, -1)} << 9;
    QTest::newRow("unknown type") << m({MethodId::FNSendTag})
                                  << L{{{PropId::TagNumber, 1057, true}, {PropId::TagType, 12, true}}} << 9;
    QTest::newRow("time without a value") << m({MethodId::FNSendTag})
                                          << L{{{PropId::TagNumber, 1178, true}, {PropId::TagType, 6, true}}} << 9;
    QTest::newRow("member with no composite") << m({MethodId::FNAddTag}) << L{textTag(1075, QStringLiteral("1"))} << 2;
    QTest::newRow("send with no composite") << m({MethodId::FNSendSTLVTagOperation}) << L{stlv1223} << 2;
    QTest::newRow("empty composite") << m({MethodId::FNBeginSTLVTag, MethodId::FNSendSTLVTagOperation}) << L{stlv1223, stlv1223}
                                     << 9;
    QTest::newRow("composite under another number")
        << m({MethodId::FNBeginSTLVTag, MethodId::FNAddTag, MethodId::FNSendSTLVTagOperation})
        << L{stlv1223, textTag(1075, QStringLiteral("1")), {{PropId::TagNumber, 1224, true}}} << 9;
}

// A refused tag is not kept.
void TestFnCorrectionDrive::tagErrors()
{
    QFETCH(QList<int>, methods);
    QFETCH(QList<kassio::PropList>, props);
    QFETCH(int, code);
    prepare(CorrectionOpen);
    for (int n = 0; n < methods.size(); ++n) {
        const auto reply = run(*m_reg, static_cast<MethodId>(methods[n]), props[n]);
        QCOMPARE(reply.resultCode, n + 1 == methods.size() ? code : 0);
    }
    QVERIFY(drive(*m_reg).pendingTags.isEmpty());
}

void TestFnCorrectionDrive::cancelDropsTheTags()
{
    prepare(CorrectionOpen);
    QCOMPARE(run(*m_reg, MethodId::FNSendTag, byteTag(1057, 4)).resultCode, 0);
    QCOMPARE(run(*m_reg, MethodId::FNBeginSTLVTag, {{PropId::TagNumber, 1223, true}}).resultCode, 0);
    QCOMPARE(drive(*m_reg).pendingTags.size(), 1);
    QCOMPARE(run(*m_reg, MethodId::FNCancelDocument).resultCode, 0);
    const FiscalDrive fn = drive(*m_reg);
    QVERIFY(fn.pendingTags.isEmpty());
    QVERIFY(fn.composite.isEmpty());
    QCOMPARE(fn.currentDocument, fnopen::None);
    // The next correction starts clean.
    QCOMPARE(run(*m_reg, MethodId::FNBeginCorrectionReceipt).resultCode, 0);
    QCOMPARE(run(*m_reg, MethodId::FNBuildCorrectionReceipt, oneSum(10000, 1)).resultCode, 0);
    QVERIFY(drive(*m_reg).documents.back().sentTags().isEmpty());
}

QTEST_GUILESS_MAIN(TestFnCorrectionDrive)
#include "tst_fncorrectiondrive.moc"
