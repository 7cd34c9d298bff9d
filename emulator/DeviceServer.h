#pragma once
// The emulated register on a TCP port. Every connection gets its own endpoint
// and is served on the event loop of the thread the server lives in. Nothing
// here waits on a socket, so a client that stops in the middle of a frame holds
// up no one; a client whose stream can never hold a frame again is dropped.

#include "emulator/DeviceEndpoint.h"

#include <QHostAddress>
#include <QObject>
#include <QString>

#include <map>
#include <memory>

class QTcpServer;
class QTcpSocket;

namespace emu {

class DeviceServer : public QObject
{
    Q_OBJECT
public:
    explicit DeviceServer(std::shared_ptr<EmulatedRegister> reg, QObject *parent = nullptr);
    ~DeviceServer() override;

    // Port 0 takes any free port; port() then tells which one.
    bool listen(const QHostAddress &address = QHostAddress::LocalHost, quint16 port = 0);
    void close();
    bool isListening() const;
    QHostAddress address() const;
    quint16 port() const;
    QString errorString() const;
    int connectionCount() const { return static_cast<int>(m_clients.size()); }

signals:
    void clientConnected(const QString &peer);
    // reason is empty when the client closed the connection itself.
    void clientDisconnected(const QString &peer, const QString &reason);

private:
    struct Client {
        QTcpSocket *socket; // owned by the server as its Qt parent
        DeviceEndpoint endpoint;
        QString peer;
    };

    void accept();
    void serve(QTcpSocket *socket);
    void drop(QTcpSocket *socket, const QString &reason);

    std::shared_ptr<EmulatedRegister> m_register;
    QTcpServer *m_server;
    std::map<QTcpSocket *, Client> m_clients;
};

} // namespace emu
