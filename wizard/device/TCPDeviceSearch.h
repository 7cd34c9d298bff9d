#pragma once
// Registers on the network announce themselves by UDP datagrams
// "SN:<factory number>;IP:<address>;port:<tcp port>". TTCPDeviceSearch
// listens for them and reports each factory number once.

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QUdpSocket;
class TTCPSearchItems;

class TTCPSearchItem
{
public:
    TTCPSearchItem(TTCPSearchItems *AOwner, QString ASerial, QString AIP, int APort)
        : FOwner(AOwner), FSerial(std::move(ASerial)), FIP(std::move(AIP)), FPort(APort) {}
    TTCPSearchItems *Owner() const { return FOwner; }
    const QString &Serial() const { return FSerial; }
    const QString &IP() const { return FIP; }
    int Port() const { return FPort; }

private:
    TTCPSearchItems *FOwner;
    QString FSerial;
    QString FIP;
    int FPort;
};

class TTCPSearchItems
{
public:
    TTCPSearchItem &Add(const QString &ASerial, const QString &AIP, int APort);
    // Exact, case-sensitive; none when the number is new.
    TTCPSearchItem *FindBySerial(const QString &ASerial) const;
    void Clear() { FList.clear(); }
    TTCPSearchItem &GetItem(int Index) const { return *FList.at(static_cast<std::size_t>(Index)); }
    int Count() const { return static_cast<int>(FList.size()); }

private:
    std::vector<std::unique_ptr<TTCPSearchItem>> FList;
};

struct TTCPAnnouncement
{
    QString Serial;
    QString IP;
    int Port = 0;
};

// The three fields of one datagram; none when a tag is missing or the port
// is not a decimal port number.
std::optional<TTCPAnnouncement> ParseAnnouncement(const QByteArray &datagram);

class TTCPDeviceSearch : public QObject
{
    Q_OBJECT
public:
    static constexpr quint16 DefaultPort = 16327;
    using TOnFoundProc = std::function<void(const TTCPSearchItem &)>;

    explicit TTCPDeviceSearch(quint16 APort = DefaultPort, QObject *parent = nullptr);
    ~TTCPDeviceSearch() override;

    void SetOnFound(TOnFoundProc AProc) { FOnFound = std::move(AProc); }
    // Starts listening; false when the port cannot be bound.
    bool Start();
    // Stops listening and forgets the registers heard so far.
    void Stop();
    bool Active() const;
    // The port actually bound (the one asked for, or the system's choice for 0).
    quint16 LocalPort() const;
    const TTCPSearchItems &Items() const { return FItems; }

    // One datagram as received; public so that any source can feed it.
    void DatagramReceived(const QByteArray &datagram);

private:
    void ReadPending();

    quint16 FPort;
    QUdpSocket *FServer; // child of this object
    TTCPSearchItems FItems;
    TOnFoundProc FOnFound;
};
