#pragma once
// Ids, names and types of the driver component's members, derived from the one
// list in KassioMembers.def.

#include <QString>
#include <QVariant>

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kassio {

// Wire and storage type of a property value.
enum class ValueType : std::uint8_t { Int = 1, Str, Bool, Curr, Date, Dbl, Bytes, Var };

// Who writes a property: In and InOut travel to the device, Out comes back,
// Local never leaves the component.
enum class Access : std::uint8_t { In, Out, InOut, Local };

enum class PropId : std::uint16_t {
#define KASSIO_PROPERTY(Name, Type, Access, Default) Name,
#include "driver/KassioMembers.def"
};

enum class MethodId : std::uint16_t {
#define KASSIO_METHOD(Name) Name,
#include "driver/KassioMembers.def"
};

inline constexpr std::size_t PropCount = 0
#define KASSIO_PROPERTY(Name, Type, Access, Default) +1
#include "driver/KassioMembers.def"
    ;

inline constexpr std::size_t MethodCount = 0
#define KASSIO_METHOD(Name) +1
#include "driver/KassioMembers.def"
    ;

struct PropInfo {
    std::string_view name;
    ValueType type;
    Access access;
};

const PropInfo &propInfo(PropId id);
std::string_view methodName(MethodId id);

// The default value of a property, typed as the property is.
const QVariant &propDefault(PropId id);

std::optional<PropId> findProp(std::string_view name);
std::optional<MethodId> findMethod(std::string_view name);

// Converts v to the property's declared type; nullopt when it cannot be
// (a non-numeric text for an Integer property, say).
std::optional<QVariant> coerce(PropId id, const QVariant &v);

// Currency: the amount times 10 000 in 64 bits.
using Currency = qint64;

inline bool isValidProp(std::uint16_t raw) { return raw < PropCount; }
inline bool isValidMethod(std::uint16_t raw) { return raw < MethodCount; }

} // namespace kassio
