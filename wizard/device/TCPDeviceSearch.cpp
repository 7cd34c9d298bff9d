#include "wizard/device/TCPDeviceSearch.h"

#include <QNetworkDatagram>
#include <QUdpSocket>

#include <algorithm>

namespace {

// The value after a tag and one separator character, up to the next ";" (or
// to the end). Positions come from the datagram, so every cut is clamped.
QString fieldAfter(const QString &text, QLatin1String tag)
{
    const qsizetype at = text.indexOf(tag);
    const qsizetype start = at + tag.size() + 1;
    const qsizetype end = text.indexOf(u';', start);
    return end < 0 ? text.mid(start) : text.mid(start, end - start);
}

// Everything up to and including the first ";" and `extra` more characters.
QString afterFirstSemicolon(const QString &text, qsizetype extra)
{
    const qsizetype at = text.indexOf(u';');
    return at < 0 ? text : text.mid(at + 1 + extra);
}

} // namespace

TTCPSearchItem &TTCPSearchItems::Add(const QString &ASerial, const QString &AIP, int APort)
{
    FList.push_back(std::make_unique<TTCPSearchItem>(this, ASerial, AIP, APort));
    return *FList.back();
}

TTCPSearchItem *TTCPSearchItems::FindBySerial(const QString &ASerial) const
{
    const auto it = std::find_if(FList.begin(), FList.end(), [&](const auto &item) { return item->Serial() == ASerial; });
    return it == FList.end() ? nullptr : it->get();
}

std::optional<TTCPAnnouncement> ParseAnnouncement(const QByteArray &datagram)
{
    QString text = QString::fromLatin1(datagram); // one character per byte
    const QLatin1String sn("SN"), ip("IP"), port("port");
    if (!text.contains(sn) || !text.contains(ip) || !text.contains(port))
        return std::nullopt;

    TTCPAnnouncement a;
    a.Serial = fieldAfter(text, sn);
    text = afterFirstSemicolon(text, 0);
    a.IP = fieldAfter(text, ip);
    // The character after the address's ";" goes too: a blank, or the "p" of
    // "port" when there is none.
    text = afterFirstSemicolon(text, 1);
    // Without its "p" the tag is found no more: the value is then counted
    // from the start of what is left.
    const qsizetype tagAt = text.indexOf(port);
    const qsizetype start = tagAt < 0 ? 4 : tagAt + port.size() + 1;
    const QString number = text.mid(start).trimmed();
    const bool digits = !number.isEmpty()
        && std::all_of(number.begin(), number.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    bool ok = false;
    const int value = number.toInt(&ok, 10);
    if (!digits || !ok || value < 1 || value > 65535)
        return std::nullopt;
    a.Port = value;
    return a;
}

TTCPDeviceSearch::TTCPDeviceSearch(quint16 APort, QObject *parent)
    : QObject(parent), FPort(APort), FServer(new QUdpSocket(this))
{
    connect(FServer, &QUdpSocket::readyRead, this, &TTCPDeviceSearch::ReadPending);
}

TTCPDeviceSearch::~TTCPDeviceSearch()
{
    Stop();
}

bool TTCPDeviceSearch::Start()
{
    if (Active())
        return true;
    // Shared, so that another listener on this machine does not keep us out.
    return FServer->bind(QHostAddress::AnyIPv4, FPort, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint);
}

void TTCPDeviceSearch::Stop()
{
    FServer->close();
    FItems.Clear();
}

bool TTCPDeviceSearch::Active() const
{
    return FServer->state() == QAbstractSocket::BoundState;
}

quint16 TTCPDeviceSearch::LocalPort() const
{
    return FServer->localPort();
}

void TTCPDeviceSearch::ReadPending()
{
    while (FServer->hasPendingDatagrams())
        DatagramReceived(FServer->receiveDatagram().data());
}

void TTCPDeviceSearch::DatagramReceived(const QByteArray &datagram)
{
    const std::optional<TTCPAnnouncement> a = ParseAnnouncement(datagram);
    if (!a || FItems.FindBySerial(a->Serial))
        return;
    const TTCPSearchItem &item = FItems.Add(a->Serial, a->IP, a->Port);
    if (FOnFound)
        FOnFound(item);
}
