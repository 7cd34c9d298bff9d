#include "driver/TcpLink.h"

#include "driver/FrameCodec.h"
#include "driver/ResultCodes.h"

#include <QDeadlineTimer>

namespace kassio {

int TcpLink::open(int, QString *detail)
{
    close();
    if (m_port <= 0 || m_port > 65535) {
        if (detail)
            *detail = QStringLiteral("неверный TCP-порт %1").arg(m_port);
        return rc::PortUnavailable;
    }
    m_socket = std::make_unique<QTcpSocket>();
    m_socket->connectToHost(m_host, static_cast<quint16>(m_port));
    if (!m_socket->waitForConnected(m_connectTimeoutMs)) {
        if (detail)
            *detail = m_socket->errorString();
        const bool refused = m_socket->error() == QAbstractSocket::ConnectionRefusedError
            || m_socket->error() == QAbstractSocket::HostNotFoundError;
        m_socket.reset();
        return refused ? rc::PortUnavailable : rc::NoLink;
    }
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    return rc::Ok;
}

void TcpLink::close()
{
    if (m_socket) {
        m_socket->abort();
        m_socket.reset();
    }
    m_pending.clear();
}

bool TcpLink::isOpen() const { return m_socket && m_socket->state() == QAbstractSocket::ConnectedState; }

int TcpLink::exchange(const QByteArray &requestFrame, QByteArray &replyFrame, int timeoutMs)
{
    if (!isOpen())
        return rc::LinkLost;
    const QDeadlineTimer deadline(std::max(1, timeoutMs));
    m_pending.clear(); // a late answer to an abandoned request must not be taken for this one
    m_socket->readAll();
    m_socket->write(requestFrame);
    while (m_socket->bytesToWrite() > 0) {
        if (!m_socket->waitForBytesWritten(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())))) {
            close();
            return deadline.hasExpired() ? rc::NoLink : rc::LinkLost;
        }
    }
    for (;;) {
        const FrameScan scan = scanFrame(m_pending);
        if (scan.status == FrameStatus::Complete) {
            replyFrame = m_pending.left(scan.frameSize);
            m_pending.remove(0, scan.frameSize);
            return rc::Ok;
        }
        if (scan.status == FrameStatus::Invalid) {
            close();
            return rc::BadAnswer;
        }
        if (deadline.hasExpired()) {
            close(); // the stream is out of step now: start afresh next time
            return rc::NoLink;
        }
        if (!m_socket->waitForReadyRead(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())))) {
            if (m_socket->state() != QAbstractSocket::ConnectedState) {
                close();
                return rc::LinkLost;
            }
            continue;
        }
        m_pending.append(m_socket->readAll());
    }
}

} // namespace kassio
