#pragma once
// A kassio-emulator process serving TCP on a free loopback port and, with
// "--pty PATH" among the extra arguments, a pseudo-terminal under a COM
// number. The test target defines KASSIO_EMULATOR_BIN.

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

class EmulatorProcess
{
public:
    enum TTape { NoTape, ShowTape };
    explicit EmulatorProcess(TTape tape = NoTape) : m_tape(tape) {}
    ~EmulatorProcess() { kill(); }
    EmulatorProcess(const EmulatorProcess &) = delete;
    EmulatorProcess &operator=(const EmulatorProcess &) = delete;

    // Starts it and waits until it says where it listens.
    bool start(const QString &stateFile, const QStringList &extra = {})
    {
        QStringList args{"--port", "0", "--state", stateFile};
        if (m_tape == NoTape)
            args << QStringLiteral("--no-tape");
        m_process.start(QStringLiteral(KASSIO_EMULATOR_BIN), args + extra);
        if (!m_process.waitForStarted(5000))
            return false;
        const bool wantsPty = extra.contains(QStringLiteral("--pty"));
        const QRegularExpression tcp(QStringLiteral("listening on 127\\.0\\.0\\.1:(\\d+)"));
        const QRegularExpression serial(QStringLiteral("serial line COM(\\d+) at "));
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 15000 && m_process.state() == QProcess::Running) {
            const QString out = output();
            const auto tcpMatch = tcp.match(out);
            const auto serialMatch = serial.match(out);
            if (tcpMatch.hasMatch() && (!wantsPty || serialMatch.hasMatch())) {
                m_port = tcpMatch.captured(1).toInt();
                m_com = wantsPty ? serialMatch.captured(1).toInt() : 0;
                return true;
            }
            m_process.waitForReadyRead(100);
        }
        return false;
    }
    void kill()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    // Asks it to end, as a user's Ctrl+C would; true when it ended cleanly.
    bool terminate()
    {
        m_process.terminate();
        return m_process.waitForFinished(5000) && m_process.exitStatus() == QProcess::NormalExit
            && m_process.exitCode() == 0;
    }
    int port() const { return m_port; }
    int com() const { return m_com; }
    // Everything it printed so far (its tape with ShowTape).
    QString output()
    {
        m_output += m_process.readAllStandardOutput();
        return QString::fromUtf8(m_output);
    }
    QString errors() { return QString::fromUtf8(m_process.readAllStandardError()); }

private:
    TTape m_tape;
    QProcess m_process;
    QByteArray m_output;
    int m_port = 0;
    int m_com = 0;
};
