#include "driver/Kassio.h"

#include "driver/ComponentSettings.h"
#include "driver/FrameCodec.h"
#include "driver/Link.h"
#include "driver/PropertiesDialog.h"
#include "driver/ResultCodes.h"
#include "driver/TablesDialog.h"

#include <vector>

using namespace kassio;

namespace {

TKassio::PropertiesDialogHook &dialogHook()
{
    static TKassio::PropertiesDialogHook hook;
    return hook;
}

bool sentToDevice(PropId id)
{
    const Access a = propInfo(id).access;
    return a == Access::In || a == Access::InOut;
}

// The settings ShowProperties edits and every program shares.
struct StoredSetting {
    PropId id;
    const char *key;
};
constexpr StoredSetting kStored[] = {
    {PropId::ConnectionType, "ConnectionType"}, {PropId::ComNumber, "ComNumber"},
    {PropId::BaudRate, "BaudRate"},             {PropId::IPAddress, "IPAddress"},
    {PropId::TCPPort, "TCPPort"},               {PropId::Timeout, "Timeout"},
    {PropId::Password, "Password"},             {PropId::ComputerName, "ComputerName"},
};

// Which connection a link is. The line's baud rate and timeouts are taken
// when the link opens (after Disconnect, or on Connect) and are not part of
// it: BaudRate also carries the rate of whichever register interface
// SetExchangeParam sets, and that must not move our own line.
// The same holds for TCPPort on a serial line, and for the COM number on TCP.
QString linkKey(const TKassio &k)
{
    switch (k.ConnectionType) {
    case 0: return QStringLiteral("0|%1|%2").arg(k.ComNumber).arg(k.ProtocolType);
    case 6: return QStringLiteral("6|%1|%2|%3").arg(k.IPAddress).arg(k.TCPPort).arg(k.ProtocolType);
    default: return QString::number(k.ConnectionType);
    }
}

} // namespace

TKassio::TKassio() { loadSettings(); }

TKassio::~TKassio() = default;

#define KASSIO_METHOD(Name) \
    int TKassio::Name() { return call(MethodId::Name); }
#include "driver/KassioMembers.def"

QVariant TKassio::property(PropId id) const
{
    switch (id) {
#define KASSIO_PROPERTY(Name, Type, Access, Default) \
    case PropId::Name: return QVariant::fromValue(Name);
#include "driver/KassioMembers.def"
    }
    return {};
}

bool TKassio::setProperty(PropId id, const QVariant &value)
{
    const auto v = coerce(id, value);
    if (!v)
        return false;
    switch (id) {
#define KASSIO_PROPERTY(Name, Type, Access, Default) \
    case PropId::Name: Name = v->value<kassio::detail::Type##T>(); return true;
#include "driver/KassioMembers.def"
    }
    return false;
}

void TKassio::loadSettings()
{
    const auto s = componentSettings();
    for (const auto &st : kStored) {
        const QVariant v = s->value(QLatin1String(st.key));
        if (v.isValid())
            setProperty(st.id, v);
    }
}

void TKassio::saveSettings() const
{
    auto s = componentSettings();
    for (const auto &st : kStored)
        s->setValue(QLatin1String(st.key), property(st.id));
    s->sync();
}

void TKassio::setPropertiesDialogHook(PropertiesDialogHook hook) { dialogHook() = std::move(hook); }

int TKassio::finish(int code, const QString &description)
{
    ResultCode = code;
    ResultCodeDescription = description;
    return code;
}

int TKassio::openLink()
{
    int code = rc::Ok;
    QString detail;
    // A changed connection setting takes effect on the next call.
    const QString key = linkKey(*this);
    if (m_link) {
        if (key == m_linkKey && m_link->isOpen())
            return rc::Ok;
        closeLink();
    }
    const auto fail = [&] {
        const QString text = linkErrorDescription(code);
        return finish(code, detail.isEmpty() ? text : text + QStringLiteral(": ") + detail);
    };
    auto link = makeLink(*this, &code, &detail);
    if (!link)
        return fail();
    code = link->open(Timeout, &detail);
    if (code != rc::Ok)
        return fail();
    m_link = std::move(link);
    m_linkKey = key;
    Connected = true;
    return rc::Ok;
}

void TKassio::closeLink()
{
    if (m_link)
        m_link->close();
    m_link.reset();
    Connected = false;
}

int TKassio::localCall(MethodId id, bool &handled)
{
    handled = true;
    switch (id) {
    case MethodId::Disconnect:
        closeLink();
        ECRInput.clear();
        ECROutput.clear();
        return finish(rc::Ok, QStringLiteral("Ошибок нет"));
    case MethodId::ShowProperties: {
        const int code = dialogHook() ? dialogHook()(*this) : kassio::showPropertiesDialog(*this);
        return finish(code, code == rc::Ok ? QStringLiteral("Ошибок нет") : linkErrorDescription(code));
    }
    case MethodId::ShowTablesDlg: {
        QString description;
        const int code = kassio::showTablesDialog(*this, &description);
        return finish(code, code == rc::Ok ? QStringLiteral("Ошибок нет") : description);
    }
    case MethodId::LockPort: {
        // Our links hold their port for as long as they are open: locking
        // opens it now, so a missing or busy port is told at once.
        const int code = openLink();
        return code == rc::Ok ? finish(rc::Ok, QStringLiteral("Ошибок нет")) : code;
    }
    case MethodId::UnlockPort:
        closeLink();
        return finish(rc::Ok, QStringLiteral("Ошибок нет"));
    case MethodId::Connect:
        // Connecting anew takes up the connection settings as they are now.
        closeLink();
        handled = false;
        return rc::Ok;
    case MethodId::AdminUnlockPort:
    case MethodId::AdminUnlockPorts:
        return finish(rc::Ok, QStringLiteral("Ошибок нет"));
    default:
        handled = false;
        return rc::Ok;
    }
}

int TKassio::call(MethodId id)
{
    bool handled = false;
    const int local = localCall(id, handled);
    if (handled)
        return local;
    return exchange(id);
}

int TKassio::exchange(MethodId id)
{
    if (const int code = openLink(); code != rc::Ok) {
        ECRInput.clear();
        ECROutput.clear();
        OperatorNumber = 0;
        return code;
    }

    Request request;
    request.sequence = ++m_sequence;
    request.method = id;
    if (m_lastInputs.empty())
        for (std::size_t i = 0; i < PropCount; ++i)
            m_lastInputs.push_back(propDefault(static_cast<PropId>(i)));
    for (std::size_t i = 0; i < PropCount; ++i) {
        const auto pid = static_cast<PropId>(i);
        if (!sentToDevice(pid))
            continue;
        const QVariant value = property(pid);
        const bool fresh = value != m_lastInputs[i];
        if (fresh || value != propDefault(pid))
            request.props.push_back({pid, value, fresh});
        m_lastInputs[i] = value;
    }

    const QByteArray frame = encodeRequest(request);
    ECRInput = framesToHex(frame);
    ECROutput.clear();
    QByteArray replyFrame;
    const int linkCode = m_link->exchange(frame, replyFrame, Timeout > 0 ? Timeout : 2000);
    if (linkCode != rc::Ok) {
        closeLink();
        OperatorNumber = 0;
        return finish(linkCode, linkErrorDescription(linkCode));
    }
    ECROutput = framesToHex(replyFrame);

    const FrameScan scan = scanFrame(replyFrame);
    QString error;
    const auto reply = scan.status == FrameStatus::Complete ? decodeReply(scan.payload, &error) : std::nullopt;
    if (!reply || reply->sequence != request.sequence) {
        closeLink();
        OperatorNumber = 0;
        return finish(rc::BadAnswer, linkErrorDescription(rc::BadAnswer));
    }
    for (const auto &out : reply->props) {
        setProperty(out.id, out.value);
        if (sentToDevice(out.id))
            m_lastInputs[static_cast<std::size_t>(out.id)] = property(out.id);
    }
    // What the register reports (the rate or TCP port of one of its
    // interfaces) is no change of our connection: only the caller's is.
    m_linkKey = linkKey(*this);
    OperatorNumber = reply->operatorNumber;
    return finish(reply->resultCode, reply->description);
}
