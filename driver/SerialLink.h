#pragma once
// A register on a local serial port or pseudo-terminal (ConnectionType 0).
// Blocking calls bounded by the timeouts, so it works on any thread without
// an event loop, like TcpLink.

#include "driver/Link.h"

#include <memory>
#include <optional>

class QSerialPort;

namespace kassio {

// The component's BaudRate code 0..9 as bits per second; nothing for any
// other code.
std::optional<int> baudRateOfCode(int code);

struct SerialSettings {
    QString path;               // device path or pseudo-terminal
    int baudRate = 115200;      // bits per second
    int searchTimeoutMs = 0;    // first answer on a fresh link; 0: Timeout alone
    int sendCount = 1;          // sends of one request that gets no answer
    int readCount = 1;          // waits of Timeout for an answer to one send
};

class SerialLink : public Link
{
public:
    explicit SerialLink(SerialSettings settings);
    ~SerialLink() override;
    int open(int timeoutMs, QString *detail) override;
    void close() override;
    bool isOpen() const override;
    int exchange(const QByteArray &requestFrame, QByteArray &replyFrame, int timeoutMs) override;
    QString target() const override;

private:
    // Waits until m_pending holds a whole frame; 0 or a negative result code.
    int readFrame(QByteArray &replyFrame, int timeoutMs);

    SerialSettings m_settings;
    std::unique_ptr<QSerialPort> m_port;
    QByteArray m_pending;
    bool m_answered = false; // a register has answered since the port was opened
};

} // namespace kassio
