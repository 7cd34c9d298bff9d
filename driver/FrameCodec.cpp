#include "driver/FrameCodec.h"

#include <QDateTime>

#include <cstring>
#include <limits>

namespace kassio {
namespace {

constexpr qint64 NullDate = std::numeric_limits<qint64>::min();
constexpr std::uint8_t FreshFlag = 0x80;

class Writer
{
public:
    void u8(std::uint8_t v) { m_out.append(static_cast<char>(v)); }
    void u16(std::uint16_t v) { le(v, 2); }
    void u32(std::uint32_t v) { le(v, 4); }
    void i32(std::int32_t v) { le(static_cast<std::uint32_t>(v), 4); }
    void i64(std::int64_t v) { le(static_cast<std::uint64_t>(v), 8); }
    void f64(double v)
    {
        std::uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        le(bits, 8);
    }
    void bytes(const QByteArray &b)
    {
        u32(static_cast<std::uint32_t>(b.size()));
        m_out.append(b);
    }
    void text(const QString &s) { bytes(s.toUtf8()); }
    QByteArray take() { return std::move(m_out); }

private:
    void le(std::uint64_t v, int n)
    {
        for (int i = 0; i < n; ++i)
            m_out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
    QByteArray m_out;
};

class Reader
{
public:
    explicit Reader(const QByteArray &in) : m_in(in) {}
    bool ok() const { return m_ok; }
    bool atEnd() const { return m_pos == m_in.size(); }
    std::uint8_t u8() { return static_cast<std::uint8_t>(le(1)); }
    std::uint16_t u16() { return static_cast<std::uint16_t>(le(2)); }
    std::uint32_t u32() { return static_cast<std::uint32_t>(le(4)); }
    std::int32_t i32() { return static_cast<std::int32_t>(static_cast<std::uint32_t>(le(4))); }
    std::int64_t i64() { return static_cast<std::int64_t>(le(8)); }
    double f64()
    {
        const std::uint64_t bits = le(8);
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    QByteArray bytes()
    {
        const std::uint32_t n = u32();
        if (!m_ok || n > static_cast<std::uint64_t>(m_in.size() - m_pos)) {
            m_ok = false;
            return {};
        }
        QByteArray b = m_in.mid(m_pos, n);
        m_pos += n;
        return b;
    }
    QString text() { return QString::fromUtf8(bytes()); }

private:
    std::uint64_t le(int n)
    {
        if (!m_ok || m_in.size() - m_pos < n) {
            m_ok = false;
            return 0;
        }
        std::uint64_t v = 0;
        for (int i = 0; i < n; ++i)
            v |= static_cast<std::uint64_t>(static_cast<std::uint8_t>(m_in[m_pos + i])) << (8 * i);
        m_pos += n;
        return v;
    }
    const QByteArray &m_in;
    qsizetype m_pos = 0;
    bool m_ok = true;
};

// Date-times travel as milliseconds of the wall-clock reading, whatever the
// time zone: the register has no zone, only a clock.
qint64 dateToWire(const QDateTime &dt)
{
    if (!dt.isValid())
        return NullDate;
    return QDateTime(dt.date(), dt.time(), Qt::UTC).toMSecsSinceEpoch();
}

QDateTime dateFromWire(qint64 ms)
{
    if (ms == NullDate)
        return {};
    const QDateTime utc = QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
    return QDateTime(utc.date(), utc.time());
}

// The wire type of a value: a variant property travels as what it holds.
ValueType wireType(PropId id, const QVariant &v)
{
    const ValueType t = propInfo(id).type;
    if (t != ValueType::Var)
        return t;
    switch (v.typeId()) {
    case QMetaType::Bool: return ValueType::Bool;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: return ValueType::Int;
    case QMetaType::Double: return ValueType::Dbl;
    default: return ValueType::Str;
    }
}

void writeProps(Writer &w, const PropList &props)
{
    w.u16(static_cast<std::uint16_t>(props.size()));
    for (const auto &[id, value, fresh] : props) {
        const ValueType t = wireType(id, value);
        w.u16(static_cast<std::uint16_t>(id));
        w.u8(static_cast<std::uint8_t>(t) | (fresh ? FreshFlag : 0));
        switch (t) {
        case ValueType::Int: w.i32(value.toInt()); break;
        case ValueType::Str: w.text(value.toString()); break;
        case ValueType::Bool: w.u8(value.toBool() ? 1 : 0); break;
        case ValueType::Curr: w.i64(value.toLongLong()); break;
        case ValueType::Date: w.i64(dateToWire(value.toDateTime())); break;
        case ValueType::Dbl: w.f64(value.toDouble()); break;
        case ValueType::Bytes: w.bytes(value.toByteArray()); break;
        case ValueType::Var: break; // resolved by wireType
        }
    }
}

bool compatible(ValueType declared, ValueType wire)
{
    if (declared == ValueType::Var)
        return wire == ValueType::Int || wire == ValueType::Bool || wire == ValueType::Str
            || wire == ValueType::Dbl;
    return declared == wire;
}

bool readProps(Reader &r, PropList &props, QString *error)
{
    const std::uint16_t count = r.u16();
    for (std::uint16_t i = 0; r.ok() && i < count; ++i) {
        const std::uint16_t raw = r.u16();
        const std::uint8_t typeByte = r.u8();
        const auto t = static_cast<ValueType>(typeByte & ~FreshFlag);
        const bool fresh = (typeByte & FreshFlag) != 0;
        if (!r.ok())
            break;
        if (!isValidProp(raw)) {
            *error = QStringLiteral("неизвестное свойство %1").arg(raw);
            return false;
        }
        const auto id = static_cast<PropId>(raw);
        if (!compatible(propInfo(id).type, t)) {
            *error = QStringLiteral("неверный тип свойства %1").arg(QLatin1String(propInfo(id).name.data(), propInfo(id).name.size()));
            return false;
        }
        QVariant v;
        switch (t) {
        case ValueType::Int: v = r.i32(); break;
        case ValueType::Str: v = r.text(); break;
        case ValueType::Bool: {
            const std::uint8_t b = r.u8();
            if (b > 1) {
                *error = QStringLiteral("неверное логическое значение");
                return false;
            }
            v = b == 1;
            break;
        }
        case ValueType::Curr: v = static_cast<qint64>(r.i64()); break;
        case ValueType::Date: v = dateFromWire(r.i64()); break;
        case ValueType::Dbl: v = r.f64(); break;
        case ValueType::Bytes: v = r.bytes(); break;
        default:
            *error = QStringLiteral("неизвестный тип значения %1").arg(static_cast<int>(t));
            return false;
        }
        props.push_back({id, std::move(v), fresh});
    }
    if (!r.ok()) {
        *error = QStringLiteral("кадр обрезан");
        return false;
    }
    return true;
}

QByteArray frame(const QByteArray &payload)
{
    Writer w;
    w.u8(FrameStart);
    w.u32(static_cast<std::uint32_t>(payload.size()));
    QByteArray out = w.take();
    out.append(payload);
    const std::uint16_t crc = crc16CcittFalse(out.constData() + 1, out.size() - 1);
    out.append(static_cast<char>(crc & 0xFF));
    out.append(static_cast<char>(crc >> 8));
    return out;
}

} // namespace

std::uint16_t crc16CcittFalse(const char *data, qsizetype size, std::uint16_t crc)
{
    for (qsizetype i = 0; i < size; ++i) {
        crc ^= static_cast<std::uint16_t>(static_cast<std::uint8_t>(data[i]) << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? static_cast<std::uint16_t>((crc << 1) ^ 0x1021) : static_cast<std::uint16_t>(crc << 1);
    }
    return crc;
}

QByteArray encodeRequest(const Request &r)
{
    Writer w;
    w.u8(RequestKind);
    w.u16(r.sequence);
    w.u16(static_cast<std::uint16_t>(r.method));
    writeProps(w, r.props);
    return frame(w.take());
}

QByteArray encodeReply(const Reply &r)
{
    Writer w;
    w.u8(ReplyKind);
    w.u16(r.sequence);
    w.u16(r.method);
    w.i32(r.resultCode);
    w.u8(static_cast<std::uint8_t>(r.operatorNumber));
    w.text(r.description);
    writeProps(w, r.props);
    return frame(w.take());
}

FrameScan scanFrame(const QByteArray &buffer)
{
    FrameScan scan;
    if (buffer.isEmpty())
        return scan;
    if (static_cast<std::uint8_t>(buffer[0]) != FrameStart) {
        scan.status = FrameStatus::Invalid;
        scan.error = QStringLiteral("нет начала кадра");
        return scan;
    }
    if (buffer.size() < 5)
        return scan;
    Reader r(buffer);
    r.u8();
    const std::uint32_t length = r.u32();
    if (length > MaxPayload) {
        scan.status = FrameStatus::Invalid;
        scan.error = QStringLiteral("кадр слишком длинный");
        return scan;
    }
    const qsizetype total = FrameOverhead + static_cast<qsizetype>(length);
    if (buffer.size() < total)
        return scan;
    const std::uint16_t expected = crc16CcittFalse(buffer.constData() + 1, 4 + length);
    const std::uint16_t got = static_cast<std::uint16_t>(static_cast<std::uint8_t>(buffer[total - 2])
                                                         | (static_cast<std::uint8_t>(buffer[total - 1]) << 8));
    if (expected != got) {
        scan.status = FrameStatus::Invalid;
        scan.error = QStringLiteral("неверная контрольная сумма");
        return scan;
    }
    scan.status = FrameStatus::Complete;
    scan.frameSize = total;
    scan.payload = buffer.mid(5, length);
    return scan;
}

DecodedRequest decodeRequest(const QByteArray &payload)
{
    DecodedRequest d;
    Reader r(payload);
    const std::uint8_t kind = r.u8();
    d.sequence = r.u16();
    d.rawMethod = r.u16();
    if (!r.ok()) {
        d.error = QStringLiteral("кадр обрезан");
        return d;
    }
    if (kind != RequestKind) {
        d.error = QStringLiteral("неверный вид кадра");
        return d;
    }
    if (!isValidMethod(d.rawMethod)) {
        d.error = QStringLiteral("неизвестный метод %1").arg(d.rawMethod);
        return d;
    }
    d.request.sequence = d.sequence;
    d.request.method = static_cast<MethodId>(d.rawMethod);
    if (!readProps(r, d.request.props, &d.error))
        return d;
    if (!r.atEnd()) {
        d.error = QStringLiteral("лишние байты в кадре");
        return d;
    }
    d.ok = true;
    return d;
}

std::optional<Reply> decodeReply(const QByteArray &payload, QString *error)
{
    QString dummy;
    QString &err = error ? *error : dummy;
    Reader r(payload);
    Reply reply;
    const std::uint8_t kind = r.u8();
    reply.sequence = r.u16();
    reply.method = r.u16();
    reply.resultCode = r.i32();
    reply.operatorNumber = r.u8();
    reply.description = r.text();
    if (!r.ok()) {
        err = QStringLiteral("кадр обрезан");
        return std::nullopt;
    }
    if (kind != ReplyKind) {
        err = QStringLiteral("неверный вид кадра");
        return std::nullopt;
    }
    if (!readProps(r, reply.props, &err))
        return std::nullopt;
    if (!r.atEnd()) {
        err = QStringLiteral("лишние байты в кадре");
        return std::nullopt;
    }
    return reply;
}

QString framesToHex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

} // namespace kassio
