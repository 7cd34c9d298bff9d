#include "emulator/DeviceServer.h"

#include <QTcpServer>
#include <QTcpSocket>

namespace emu {
namespace {

// Bytes taken from a socket at a time, and replies allowed to wait unsent
// before the server stops reading from that client: a client that sends
// requests without reading the answers is slowed down by TCP itself instead
// of filling the server's memory.
constexpr qint64 kReadChunk = 64 * 1024;
constexpr qint64 kMaxUnsent = 1024 * 1024;

QString peerName(const QTcpSocket *s)
{
    return QStringLiteral("%1:%2").arg(s->peerAddress().toString()).arg(s->peerPort());
}

} // namespace

DeviceServer::DeviceServer(std::shared_ptr<EmulatedRegister> reg, QObject *parent)
    : QObject(parent), m_register(std::move(reg)), m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &DeviceServer::accept);
}

DeviceServer::~DeviceServer() { close(); }

bool DeviceServer::listen(const QHostAddress &address, quint16 port) { return m_server->listen(address, port); }

void DeviceServer::close()
{
    m_server->close();
    while (!m_clients.empty())
        drop(m_clients.begin()->first, QStringLiteral("server stopped"));
}

bool DeviceServer::isListening() const { return m_server->isListening(); }
QHostAddress DeviceServer::address() const { return m_server->serverAddress(); }
quint16 DeviceServer::port() const { return m_server->serverPort(); }
QString DeviceServer::errorString() const { return m_server->errorString(); }

void DeviceServer::accept()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        socket->setParent(this);
        socket->setReadBufferSize(kReadChunk);
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        const QString peer = peerName(socket);
        m_clients.emplace(socket, Client{socket, DeviceEndpoint(m_register), peer});
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        connect(socket, &QTcpSocket::bytesWritten, this, [this, socket] { serve(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] { drop(socket, QString()); });
        emit clientConnected(peer);
        serve(socket); // bytes may have come with the connection
    }
}

void DeviceServer::serve(QTcpSocket *socket)
{
    const auto it = m_clients.find(socket);
    if (it == m_clients.end())
        return;
    DeviceEndpoint &endpoint = it->second.endpoint;
    while (socket->bytesAvailable() > 0 && socket->bytesToWrite() < kMaxUnsent) {
        const QByteArray replies = endpoint.receive(socket->read(kReadChunk));
        if (!replies.isEmpty())
            socket->write(replies);
        if (endpoint.failed()) {
            drop(socket, endpoint.failure());
            return;
        }
    }
}

void DeviceServer::drop(QTcpSocket *socket, const QString &reason)
{
    const auto it = m_clients.find(socket);
    if (it == m_clients.end())
        return;
    const QString peer = it->second.peer;
    m_clients.erase(it);
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
    emit clientDisconnected(peer, reason);
}

} // namespace emu
