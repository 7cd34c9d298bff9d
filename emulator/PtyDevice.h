#pragma once
// The emulated register behind a pseudo-terminal, as if it sat on a serial
// line: the component opens the slave side like any serial port. A real
// register decodes bytes at its own baud rate only, so requests sent while
// the line is set to any other rate are dropped unanswered. The line speed is
// the slave's termios, which Linux also reports through the master.

#include "emulator/DeviceEndpoint.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class QSocketNotifier;

namespace emu {

class PtyDevice : public QObject
{
    Q_OBJECT
public:
    PtyDevice(std::shared_ptr<EmulatedRegister> reg, int baudRate, QObject *parent = nullptr);
    ~PtyDevice() override;

    // Creates the pseudo-terminal and a symbolic link at linkPath to its slave
    // (replacing a link left by an earlier run; any other file stays and the
    // call fails).
    bool open(const QString &linkPath);
    QString errorString() const { return m_error; }
    QString slavePath() const { return m_slavePath; }
    int baudRate() const { return m_baudRate; }
    // The rate the line is set to now, in bits per second; 0 when unknown.
    int lineBaudRate() const;

signals:
    // Bytes that came at a rate the register does not listen at.
    void bytesIgnored(int count, int lineBaudRate);

private:
    void receive();
    void flush();
    void closeAll();

    std::shared_ptr<EmulatedRegister> m_register;
    int m_baudRate;
    int m_master = -1;
    int m_slave = -1; // kept open, so the master never sees the line hang up
    QString m_slavePath;
    QString m_linkPath;
    QString m_error;
    QSocketNotifier *m_readNotifier = nullptr;  // owned as Qt children
    QSocketNotifier *m_writeNotifier = nullptr;
    std::optional<DeviceEndpoint> m_endpoint;
    QByteArray m_unsent;
};

} // namespace emu
