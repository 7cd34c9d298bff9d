#pragma once
// The frame protocol between the component and a register (docs/protocol.md).
//
//   frame   = STX(02) length:u32 payload[length] crc:u16
//   crc     = CRC-16/CCITT-FALSE over the length bytes and the payload
//
// All integers are little-endian. A request carries the method id and the input
// properties that differ from their defaults; a reply carries the result code,
// its description, the operator number and the output properties the device set.

#include "driver/KassioMembers.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace kassio {

inline constexpr std::uint8_t FrameStart = 0x02;
inline constexpr std::uint8_t RequestKind = 'R';
inline constexpr std::uint8_t ReplyKind = 'A';
inline constexpr std::uint32_t MaxPayload = 4u * 1024u * 1024u;
inline constexpr int FrameOverhead = 1 + 4 + 2;

// One property on the wire. 'fresh' marks an input the caller assigned since
// the previous call, so the device can tell which of two related inputs
// (ValueOfFieldInteger and ValueOfFieldString, say) was meant.
struct PropValue {
    PropId id{};
    QVariant value;
    bool fresh = false;
};
using PropList = std::vector<PropValue>;

struct Request {
    std::uint16_t sequence = 0;
    MethodId method{};
    PropList props;
};

struct Reply {
    std::uint16_t sequence = 0;
    std::uint16_t method = 0;   // raw: an unknown method id is echoed back as sent
    int resultCode = 0;
    int operatorNumber = 0;
    QString description;
    PropList props;
};

std::uint16_t crc16CcittFalse(const char *data, qsizetype size, std::uint16_t crc = 0xFFFF);

QByteArray encodeRequest(const Request &r);
QByteArray encodeReply(const Reply &r);

// Result of looking for one frame at the start of a receive buffer.
enum class FrameStatus {
    Complete,   // a whole, valid frame: payload filled, frameSize bytes used
    Incomplete, // more bytes are needed
    Invalid     // no frame can start here: drop the link or skip a byte
};

struct FrameScan {
    FrameStatus status = FrameStatus::Incomplete;
    qsizetype frameSize = 0;
    QByteArray payload;
    QString error;
};

FrameScan scanFrame(const QByteArray &buffer);

// Payload decoding. A payload whose method id is unknown still decodes as far
// as its sequence and raw method, so the answer can name what was refused.
struct DecodedRequest {
    bool ok = false;
    QString error;
    std::uint16_t sequence = 0;
    std::uint16_t rawMethod = 0;
    Request request;
};

DecodedRequest decodeRequest(const QByteArray &payload);
std::optional<Reply> decodeReply(const QByteArray &payload, QString *error = nullptr);

// "02 1A 00": two upper-case digits a byte, separated by blanks.
QString framesToHex(const QByteArray &bytes);

} // namespace kassio
