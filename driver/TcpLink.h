#pragma once
// A register on a TCP socket (ConnectionType 6). Blocking calls bounded by
// the timeouts, so it works on any thread without an event loop.

#include "driver/Link.h"

#include <QTcpSocket>

#include <memory>

namespace kassio {

class TcpLink : public Link
{
public:
    TcpLink(QString host, int port, int connectTimeoutMs)
        : m_host(std::move(host)), m_port(port), m_connectTimeoutMs(connectTimeoutMs) {}
    int open(int timeoutMs, QString *detail) override;
    void close() override;
    bool isOpen() const override;
    int exchange(const QByteArray &requestFrame, QByteArray &replyFrame, int timeoutMs) override;
    QString target() const override { return QStringLiteral("tcp:%1:%2").arg(m_host).arg(m_port); }

private:
    QString m_host;
    int m_port;
    int m_connectTimeoutMs;
    std::unique_ptr<QTcpSocket> m_socket;
    QByteArray m_pending;
};

} // namespace kassio
