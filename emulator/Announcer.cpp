#include "emulator/Announcer.h"

namespace emu {

Announcer::Announcer(std::function<QByteArray()> message, std::vector<QHostAddress> targets, quint16 port,
                     QObject *parent)
    : QObject(parent), m_message(std::move(message)), m_targets(std::move(targets)), m_port(port)
{
    connect(&m_timer, &QTimer::timeout, this, &Announcer::send);
}

void Announcer::start(int intervalMs)
{
    send();
    m_timer.start(intervalMs);
}

QByteArray Announcer::datagram(const QString &factoryNumber, const QString &address, quint16 tcpPort)
{
    return QStringLiteral("SN:%1;IP:%2;port:%3").arg(factoryNumber.trimmed(), address).arg(tcpPort).toLatin1();
}

void Announcer::send()
{
    const QByteArray data = m_message();
    for (const QHostAddress &target : m_targets)
        m_socket.writeDatagram(data, target, m_port); // nobody listening is no error
}

} // namespace emu
