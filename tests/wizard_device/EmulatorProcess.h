#pragma once
// A kassio-emulator process serving TCP on a free loopback port and, with
// "--pty PATH" among the extra arguments, a pseudo-terminal under a COM number.

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

class EmulatorProcess
{
public:
    bool start(const QString &stateFile, const QStringList &extra = {})
    {
        m_process.start(QStringLiteral(KASSIO_EMULATOR_BIN),
                        QStringList{"--port", "0", "--no-tape", "--state", stateFile} + extra);
        if (!m_process.waitForStarted(5000))
            return false;
        const bool wantsPty = extra.contains(QStringLiteral("--pty"));
        const QRegularExpression tcp(QStringLiteral("listening on 127\\.0\\.0\\.1:(\\d+)"));
        const QRegularExpression serial(QStringLiteral("serial line COM(\\d+) at "));
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 15000 && m_process.state() == QProcess::Running) {
            m_output += QString::fromUtf8(m_process.readAllStandardOutput());
            const auto tcpMatch = tcp.match(m_output);
            const auto serialMatch = serial.match(m_output);
            if (tcpMatch.hasMatch() && (!wantsPty || serialMatch.hasMatch())) {
                m_port = tcpMatch.captured(1).toInt();
                m_com = wantsPty ? serialMatch.captured(1).toInt() : 0;
                return true;
            }
            m_process.waitForReadyRead(100);
        }
        return false;
    }
    ~EmulatorProcess()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    int port() const { return m_port; }
    int com() const { return m_com; }
    QString errors() { return QString::fromUtf8(m_process.readAllStandardError()); }

private:
    QProcess m_process;
    QString m_output;
    int m_port = 0;
    int m_com = 0;
};
