#pragma once
// Tells the network where the register listens, as registers do: one UDP
// datagram "SN:<factory number>;IP:<address>;port:<tcp port>" every second.

#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>

#include <functional>
#include <vector>

namespace emu {

class Announcer : public QObject
{
    Q_OBJECT
public:
    static constexpr quint16 DefaultPort = 16327;

    // message is asked for anew before every datagram, so a changed factory
    // number is announced from then on.
    Announcer(std::function<QByteArray()> message, std::vector<QHostAddress> targets, quint16 port,
              QObject *parent = nullptr);

    // Sends at once, then every intervalMs.
    void start(int intervalMs = 1000);
    void stop() { m_timer.stop(); }

    static QByteArray datagram(const QString &factoryNumber, const QString &address, quint16 tcpPort);

private:
    void send();

    std::function<QByteArray()> m_message;
    std::vector<QHostAddress> m_targets;
    quint16 m_port;
    QUdpSocket m_socket;
    QTimer m_timer;
};

} // namespace emu
