#pragma once
// Result codes the component itself produces. Positive codes come from the
// register; negative ones mean the link failed before an answer arrived.

#include <QString>

namespace kassio {

namespace rc {
inline constexpr int Ok = 0;
inline constexpr int NotSupported = 55;        // command not supported by this register
inline constexpr int NoSuchTable = 93;         // past the last table, row or field
inline constexpr int NoLink = -1;              // no answer within the timeout
inline constexpr int PortUnavailable = -2;     // the port cannot be opened
inline constexpr int PortBusy = -3;            // another program holds the port
inline constexpr int BadAnswer = -4;           // the answer is not a valid frame
inline constexpr int ConnectionTypeUnsupported = -5;
inline constexpr int LinkLost = -6;            // the link closed during the exchange
inline constexpr int BadParameter = -7;        // a property value the component cannot send
inline constexpr int NoUserInterface = -8;     // a dialog was asked for where none can be shown
} // namespace rc

// Russian description of a component-side (negative) result code.
QString linkErrorDescription(int code);

} // namespace kassio
