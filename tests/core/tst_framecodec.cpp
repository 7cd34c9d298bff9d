// The frame codec: every value type survives a round trip, and every kind of
// bad input is refused without a crash.
#include "driver/FrameCodec.h"

#include <QtTest>

using namespace kassio;

class TestFrameCodec : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void crcKnownVector();
    void requestRoundTrip_data();
    void requestRoundTrip();
    void replyRoundTrip();
    void badFrames_data();
    void badFrames();
    void badPayloads_data();
    void badPayloads();
    void hexText();
};

void TestFrameCodec::crcKnownVector()
{
    // The check value of CRC-16/CCITT-FALSE.
    QCOMPARE(crc16CcittFalse("123456789", 9), std::uint16_t(0x29B1));
}

void TestFrameCodec::requestRoundTrip_data()
{
    QTest::addColumn<int>("prop");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("integer") << int(PropId::Password) << QVariant(-123456);
    QTest::newRow("unsigned 32 bit") << int(PropId::DocumentNumber) << QVariant(int(0xFFFFFFF0u));
    QTest::newRow("text cyrillic") << int(PropId::StringForPrinting) << QVariant(QStringLiteral("Привет, мир"));
    QTest::newRow("empty text") << int(PropId::StringForPrinting) << QVariant(QString());
    QTest::newRow("boolean") << int(PropId::UseReceiptRibbon) << QVariant(true);
    QTest::newRow("currency") << int(PropId::Price) << QVariant(qint64(123456789012345LL));
    QTest::newRow("negative currency") << int(PropId::Summ1) << QVariant(qint64(-5));
    QTest::newRow("date-time") << int(PropId::Date)
                               << QVariant(QDateTime(QDate(2026, 12, 11), QTime(23, 59, 58, 123)));
    QTest::newRow("null date-time") << int(PropId::Date) << QVariant(QDateTime());
    QTest::newRow("double") << int(PropId::Quantity) << QVariant(1.0 / 3.0);
    QTest::newRow("bytes") << int(PropId::TLVData) << QVariant(QByteArray("\x00\xFF\x02", 3));
}

void TestFrameCodec::requestRoundTrip()
{
    QFETCH(int, prop);
    QFETCH(QVariant, value);
    Request r;
    r.sequence = 0xBEEF;
    r.method = MethodId::PrintString;
    r.props.push_back({static_cast<PropId>(prop), value, true});

    const QByteArray frame = encodeRequest(r);
    const FrameScan scan = scanFrame(frame);
    QCOMPARE(scan.status, FrameStatus::Complete);
    QCOMPARE(scan.frameSize, frame.size());
    const DecodedRequest d = decodeRequest(scan.payload);
    QVERIFY2(d.ok, qPrintable(d.error));
    QCOMPARE(d.request.sequence, std::uint16_t(0xBEEF));
    QCOMPARE(d.request.method, MethodId::PrintString);
    QCOMPARE(d.request.props.size(), std::size_t(1));
    QCOMPARE(int(d.request.props[0].id), prop);
    QVERIFY(d.request.props[0].fresh);
    const QVariant got = d.request.props[0].value;
    if (value.typeId() == QMetaType::QDateTime)
        QCOMPARE(got.toDateTime(), value.toDateTime());
    else
        QCOMPARE(got, value);
}

void TestFrameCodec::replyRoundTrip()
{
    Reply r;
    r.sequence = 7;
    r.method = static_cast<std::uint16_t>(MethodId::ReadModelParamValue);
    r.resultCode = -3;
    r.operatorNumber = 30;
    r.description = QStringLiteral("Нет связи");
    r.props.push_back({PropId::ModelParamValue, QVariant(true), false});
    r.props.push_back({PropId::ModelParamNumber, QVariant(71), false});
    const FrameScan scan = scanFrame(encodeReply(r));
    QCOMPARE(scan.status, FrameStatus::Complete);
    const auto back = decodeReply(scan.payload);
    QVERIFY(back.has_value());
    QCOMPARE(back->resultCode, -3);
    QCOMPARE(back->operatorNumber, 30);
    QCOMPARE(back->description, r.description);
    QCOMPARE(back->props.size(), std::size_t(2));
    // A variant keeps what it holds: a boolean stays a boolean.
    QCOMPARE(back->props[0].value.typeId(), int(QMetaType::Bool));
    QCOMPARE(back->props[0].value.toBool(), true);
    QCOMPARE(back->props[1].value.toInt(), 71);
}

static QByteArray validFrame()
{
    Request r;
    r.method = MethodId::GetECRStatus;
    r.props.push_back({PropId::Password, QVariant(30), false});
    return encodeRequest(r);
}

void TestFrameCodec::badFrames_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("status");
    const QByteArray ok = validFrame();
    QByteArray badCrc = ok;
    badCrc[badCrc.size() - 1] = static_cast<char>(badCrc.back() ^ 0x55);
    QByteArray oversized = ok.left(1);
    oversized.append(QByteArray::fromHex("FFFFFF7F"));
    QTest::newRow("empty") << QByteArray() << int(FrameStatus::Incomplete);
    QTest::newRow("truncated header") << ok.left(3) << int(FrameStatus::Incomplete);
    QTest::newRow("truncated body") << ok.left(ok.size() - 1) << int(FrameStatus::Incomplete);
    QTest::newRow("wrong checksum") << badCrc << int(FrameStatus::Invalid);
    QTest::newRow("oversized length") << oversized << int(FrameStatus::Invalid);
    QTest::newRow("garbage") << QByteArray("hello, register") << int(FrameStatus::Invalid);
}

void TestFrameCodec::badFrames()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, status);
    QCOMPARE(int(scanFrame(bytes).status), status);
}

// Payloads with a valid frame around them but wrong contents.
static QByteArray payloadOf(const QByteArray &frame) { return scanFrame(frame).payload; }

void TestFrameCodec::badPayloads_data()
{
    QTest::addColumn<QByteArray>("payload");
    const QByteArray ok = payloadOf(validFrame());
    QByteArray unknownMethod = ok;
    unknownMethod[3] = static_cast<char>(0xFF);
    unknownMethod[4] = static_cast<char>(0xFF);
    QByteArray unknownProp = ok;
    unknownProp[7] = static_cast<char>(0xFF);
    unknownProp[8] = static_cast<char>(0xFF);
    QByteArray wrongType = ok;
    wrongType[9] = static_cast<char>(ValueType::Str);
    QByteArray longText = ok.left(7);
    longText.append(QByteArray::fromHex("0100")); // one property
    longText.append(QByteArray::fromHex("0000")); // id 0
    longText.append(char(ValueType::Str));
    longText.append(QByteArray::fromHex("FFFFFF00")); // text longer than the payload
    QTest::newRow("unknown method") << unknownMethod;
    QTest::newRow("unknown property") << unknownProp;
    QTest::newRow("wrong type") << wrongType;
    QTest::newRow("text past the end") << longText;
    QTest::newRow("trailing bytes") << ok + QByteArray("x");
    QTest::newRow("reply kind") << QByteArray("A") + ok.mid(1);
    QTest::newRow("cut short") << ok.left(ok.size() - 2);
}

void TestFrameCodec::badPayloads()
{
    QFETCH(QByteArray, payload);
    const DecodedRequest d = decodeRequest(payload);
    QVERIFY(!d.ok);
    QVERIFY(!d.error.isEmpty());
}

void TestFrameCodec::hexText()
{
    QCOMPARE(framesToHex(QByteArray::fromHex("020aff")), QStringLiteral("02 0A FF"));
    QCOMPARE(framesToHex(QByteArray()), QString());
}

QTEST_GUILESS_MAIN(TestFrameCodec)
#include "tst_framecodec.moc"
