#include "wizard/device/KassioBaudrate.h"

#include <array>

namespace {

constexpr std::array<int, 10> Rates{2400, 4800, 9600, 19200, 38400, 57600, 115200, 230400, 460800, 921600};
constexpr int DefaultCode = 6;

} // namespace

int TKassioBaudrate::BaudrateToCode(int ABaudrate)
{
    for (std::size_t code = 0; code < Rates.size(); ++code)
        if (Rates[code] == ABaudrate)
            return static_cast<int>(code);
    return DefaultCode;
}

int TKassioBaudrate::CodeToBaudrate(int ACode)
{
    if (ACode < 0 || ACode >= static_cast<int>(Rates.size()))
        return Rates[DefaultCode];
    return Rates[static_cast<std::size_t>(ACode)];
}
