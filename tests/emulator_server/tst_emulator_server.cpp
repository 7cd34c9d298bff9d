// kassio-emulator over TCP, kassio-call, and one state file used by several
// processes at once.
#include "EmulatorProcess.h"

#include "driver/FrameCodec.h"
#include "driver/Kassio.h"
#include "driver/ResultCodes.h"
#include "driver/PortMap.h"
#include "emulator/EmulatedRegister.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// A kassio-emulator process on a free port, its tape on standard output.
class Emulator : public EmulatorProcess
{
public:
    Emulator() : EmulatorProcess(ShowTape) {}
};

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run runProgram(const QString &program, const QStringList &args, const QProcessEnvironment &env = {})
{
    QProcess p;
    if (!env.isEmpty())
        p.setProcessEnvironment(env);
    p.start(program, args);
    Run r;
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
        r.err = QStringLiteral("timed out");
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

Run kassioCall(const QStringList &args) { return runProgram(QStringLiteral(KASSIO_CALL_BIN), args); }

std::unique_ptr<TKassio> tcpDriver(int port)
{
    auto k = std::make_unique<TKassio>();
    k->ConnectionType = 6;
    k->IPAddress = QStringLiteral("127.0.0.1");
    k->TCPPort = port;
    return k;
}

std::unique_ptr<TKassio> builtInDriver(const QString &stateFile)
{
    qputenv("KASSIO_EMULATOR_STATE", stateFile.toLocal8Bit());
    auto k = std::make_unique<TKassio>();
    k->ConnectionType = 0;
    k->ComNumber = kassio::PortMap::BuiltInEmulatorCom;
    return k;
}

QStringList tapeTexts(const QString &stateFile)
{
    emu::EmulatedRegister reg(stateFile);
    QStringList texts;
    for (const auto &line : reg.tape())
        texts << line.text;
    return texts;
}

QByteArray shortStatusRequest(std::uint16_t sequence)
{
    kassio::Request r;
    r.sequence = sequence;
    r.method = kassio::MethodId::GetShortECRStatus;
    return kassio::encodeRequest(r);
}

} // namespace

class TestEmulatorServer : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;
    QString stateFile() const
    {
        QString name = QString::fromLatin1(QTest::currentTestFunction());
        if (QTest::currentDataTag())
            name += u'-' + QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'_');
        return m_home.filePath(name + QStringLiteral(".db"));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("XDG_CONFIG_HOME", m_home.filePath("config").toLocal8Bit());
        qputenv("XDG_DATA_HOME", m_home.filePath("data").toLocal8Bit());
    }

    // Over TCP the register is found by its network name unless the
    // address is asked for or no name is given.
    void hostByNameOrAddress_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("useAddress");
        QTest::addColumn<int>("expected");
        QTest::newRow("name") << "192.0.2.1" << "localhost" << false << 0;
        QTest::newRow("address asked for") << "127.0.0.1" << "no-such-host.invalid" << true << 0;
        QTest::newRow("no name") << "127.0.0.1" << "" << false << 0;
        QTest::newRow("unknown name") << "127.0.0.1" << "no-such-host.invalid" << false
                                      << static_cast<int>(kassio::rc::PortUnavailable);
    }

    void hostByNameOrAddress()
    {
        QFETCH(QString, address);
        QFETCH(QString, name);
        QFETCH(bool, useAddress);
        QFETCH(int, expected);
        Emulator emulator;
        QVERIFY(emulator.start(stateFile()));
        auto k = tcpDriver(emulator.port());
        k->IPAddress = address;
        k->ComputerName = name;
        k->UseIPAddress = useAddress;
        k->TCPConnectionTimeout = 2000;
        QCOMPARE(k->GetECRStatus(), expected);
    }

    void printStringShowsOnTape()
    {
        const QString file = stateFile();
        Emulator emulator;
        QVERIFY(emulator.start(file));
        auto k = tcpDriver(emulator.port());
        k->StringForPrinting = QStringLiteral("Привет");
        QCOMPARE(k->PrintString(), 0);
        QCOMPARE(k->ResultCode, 0);
        QVERIFY(tapeTexts(file).contains(QStringLiteral("Привет")));
        // The running emulator prints the tape as it grows.
        QTRY_VERIFY_WITH_TIMEOUT(emulator.output().contains(QStringLiteral("\nПривет\n")), 5000);
    }

    void statusMatchesBuiltInEmulator()
    {
        const QString file = stateFile();
        Emulator emulator;
        QVERIFY(emulator.start(file));
        auto remote = tcpDriver(emulator.port());
        auto local = builtInDriver(file);
        QCOMPARE(remote->GetECRStatus(), 0);
        QCOMPARE(local->GetECRStatus(), 0);
        QCOMPARE(remote->ECRMode, local->ECRMode);
        QCOMPARE(remote->ECRModeDescription, local->ECRModeDescription);
        QVERIFY(!remote->ECRModeDescription.isEmpty());
        // A new register gets a random factory number: equal numbers mean one register.
        QCOMPARE(remote->SerialNumber, local->SerialNumber);
    }

    void injectedBusyThenSuccess_data()
    {
        QTest::addColumn<QString>("method");
        QTest::newRow("named method") << QStringLiteral("GetShortECRStatus");
        QTest::newRow("any method") << QStringLiteral("*");
    }
    void injectedBusyThenSuccess()
    {
        QFETCH(QString, method);
        const QString file = stateFile();
        Emulator emulator;
        QVERIFY(emulator.start(file));
        auto k = tcpDriver(emulator.port());
        QCOMPARE(k->GetShortECRStatus(), 0);
        // Injected by another process while the server runs.
        const Run inject = runProgram(QStringLiteral(KASSIO_EMULATOR_BIN),
                                      {"--once", "--state", file, "--inject", method + QStringLiteral(":80:3")});
        QCOMPARE(inject.exitCode, 0);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(k->GetShortECRStatus(), 80);
            QVERIFY(!k->ResultCodeDescription.isEmpty());
        }
        QCOMPARE(k->GetShortECRStatus(), 0);
    }

    void badClientIsClosedOthersGoOn_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("text") << QByteArray("GET / HTTP/1.0\r\n\r\n");
        QByteArray badCrc = shortStatusRequest(1);
        badCrc[badCrc.size() - 1] = static_cast<char>(badCrc.back() ^ 0x5A);
        QTest::newRow("wrong checksum") << badCrc;
        QTest::newRow("oversized length") << QByteArray::fromHex("02FFFFFF7F");
        QTest::newRow("flood") << QByteArray(1 << 20, 'x');
    }
    void badClientIsClosedOthersGoOn()
    {
        QFETCH(QByteArray, bytes);
        Emulator emulator;
        QVERIFY(emulator.start(stateFile()));
        auto good = tcpDriver(emulator.port());
        QCOMPARE(good->GetShortECRStatus(), 0);

        QTcpSocket bad;
        bad.connectToHost(QStringLiteral("127.0.0.1"), static_cast<quint16>(emulator.port()));
        QVERIFY(bad.waitForConnected(3000));
        bad.write(bytes);
        QVERIFY(bad.state() == QAbstractSocket::UnconnectedState || bad.waitForDisconnected(5000));

        QCOMPARE(good->GetShortECRStatus(), 0);
        QVERIFY(good->Connected); // the same connection, not a reopened one
    }

    void halfFrameDoesNotBlockOthers()
    {
        Emulator emulator;
        QVERIFY(emulator.start(stateFile()));
        const QByteArray frame = shortStatusRequest(7);
        QTcpSocket slow;
        slow.connectToHost(QStringLiteral("127.0.0.1"), static_cast<quint16>(emulator.port()));
        QVERIFY(slow.waitForConnected(3000));
        slow.write(frame.left(frame.size() / 2));
        QVERIFY(slow.waitForBytesWritten(3000));

        auto other = tcpDriver(emulator.port());
        other->Timeout = 2000;
        QCOMPARE(other->GetShortECRStatus(), 0);

        // The half frame was kept: the rest completes it.
        slow.write(frame.mid(frame.size() / 2));
        QByteArray received;
        kassio::FrameScan scan;
        while (scan.status != kassio::FrameStatus::Complete) {
            QVERIFY(slow.waitForReadyRead(3000));
            received += slow.readAll();
            scan = kassio::scanFrame(received);
            QVERIFY(scan.status != kassio::FrameStatus::Invalid);
        }
        const auto reply = kassio::decodeReply(scan.payload);
        QVERIFY(reply);
        QCOMPARE(reply->sequence, 7);
        QCOMPARE(reply->resultCode, 0);
    }

    void twoProcessesShareOneTape()
    {
        const QString file = stateFile();
        constexpr int kLines = 500;
        // The register exists before both start, so they race on commands only.
        QCOMPARE(runProgram(QStringLiteral(KASSIO_EMULATOR_BIN), {"--once", "--state", file}).exitCode, 0);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("KASSIO_EMULATOR_STATE"), file);
        QProcess a, b;
        for (auto [p, prefix] : {std::pair{&a, "A"}, std::pair{&b, "B"}}) {
            p->setProcessEnvironment(env);
            p->start(QStringLiteral(PRINT_LINES_BIN), {QString::fromLatin1(prefix), QString::number(kLines)});
        }
        QElapsedTimer took;
        took.start();
        QVERIFY(a.waitForFinished(60000));
        QVERIFY(b.waitForFinished(60000));
        QVERIFY2(a.exitCode() == 0, a.readAllStandardError().constData());
        QVERIFY2(b.exitCode() == 0, b.readAllStandardError().constData());
        qInfo("%d lines from two processes in %lld ms", 2 * kLines, took.elapsed());

        const QStringList tape = tapeTexts(file);
        QCOMPARE(tape.size(), 2 * kLines);
        QStringList expected;
        for (int i = 1; i <= kLines; ++i)
            expected << QStringLiteral("A-%1").arg(i) << QStringLiteral("B-%1").arg(i);
        QStringList sorted = tape;
        sorted.sort();
        expected.sort();
        QCOMPARE(sorted, expected);
    }

    void propertiesPersistBetweenCalls_data()
    {
        QTest::addColumn<bool>("overTcp");
        QTest::newRow("built-in") << false;
        QTest::newRow("tcp") << true;
    }
    void propertiesPersistBetweenCalls()
    {
        QFETCH(bool, overTcp);
        const QString file = stateFile();
        Emulator emulator;
        if (overTcp)
            QVERIFY(emulator.start(file, {"--no-tape"}));
        auto k = overTcp ? tcpDriver(emulator.port()) : builtInDriver(file);
        k->StringForPrinting = QStringLiteral("ещё раз");
        QCOMPARE(k->PrintString(), 0);
        QCOMPARE(k->PrintString(), 0); // not assigned again: the value still holds
        QCOMPARE(k->StringForPrinting, QStringLiteral("ещё раз"));
        QCOMPARE(tapeTexts(file).count(QStringLiteral("ещё раз")), 2);
    }

    void kassioCallReportsResult()
    {
        const QString file = stateFile();
        Emulator emulator;
        QVERIFY(emulator.start(file, {"--inject", "PrintString:80:1"}));
        const QString tcp = QStringLiteral("127.0.0.1:%1").arg(emulator.port());

        const Run busy = kassioCall({"--tcp", tcp, "StringForPrinting=Строка 1", "PrintString"});
        QCOMPARE(busy.exitCode, 1);
        QVERIFY2(busy.out.startsWith(QStringLiteral("ResultCode: 80\nResultCodeDescription: ")), qPrintable(busy.out));

        const Run done = kassioCall({"--tcp", tcp, "--timeout", "3000", "StringForPrinting=Строка 1", "PrintString"});
        QCOMPARE(done.exitCode, 0);
        const QStringList lines = done.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[0], QStringLiteral("ResultCode: 0"));
        QVERIFY(lines[1].startsWith(QStringLiteral("ResultCodeDescription: ")));
        QVERIFY(lines[2].startsWith(QStringLiteral("ECRInput: 02 ")));
        QVERIFY(lines[3].startsWith(QStringLiteral("ECROutput: 02 ")));
        QCOMPARE(lines[4], QStringLiteral("OperatorNumber: 30"));
        QCOMPARE(tapeTexts(file), QStringList{QStringLiteral("Строка 1")});

        // The same register through the built-in emulator, with named outputs.
        emu::EmulatedRegister reg(file);
        const Run status = kassioCall({"--state", file, "GetECRStatus", "SerialNumber", "ECRMode"});
        QCOMPARE(status.exitCode, 0);
        QVERIFY2(status.out.contains(QStringLiteral("\nSerialNumber: %1\n").arg(reg.snapshot().serialNumber)),
                 qPrintable(status.out));
        QVERIFY(status.out.contains(QStringLiteral("\nECRMode: %1\n").arg(reg.snapshot().ecrMode)));
    }

    void kassioCallUsageErrors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown method") << QStringList{"NoSuchMethod"} << "unknown method \"NoSuchMethod\"";
        QTest::newRow("unknown property") << QStringList{"NoSuchProp=1", "Beep"} << "unknown property \"NoSuchProp\"";
        QTest::newRow("unknown output") << QStringList{"Beep", "NoSuchOut"} << "unknown property \"NoSuchOut\"";
        QTest::newRow("bad integer") << QStringList{"Password=abc", "Beep"} << "bad value \"abc\" for property Password";
        QTest::newRow("bad date") << QStringList{"Date=31.02.2024", "Beep"} << "bad value \"31.02.2024\" for property Date";
        QTest::newRow("bad amount") << QStringList{"Summ1=12,3x", "Beep"} << "bad value \"12,3x\" for property Summ1";
        QTest::newRow("no method") << QStringList{"Password=30"} << "no method given";
        QTest::newRow("bad port") << QStringList{"--tcp", "localhost", "Beep"} << "--tcp needs HOST:PORT";
    }
    void kassioCallUsageErrors()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const Run r = kassioCall(QStringList{"--state", stateFile()} + args);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(r.out.isEmpty()); // nothing was called
    }
};

QTEST_GUILESS_MAIN(TestEmulatorServer)
#include "tst_emulator_server.moc"
