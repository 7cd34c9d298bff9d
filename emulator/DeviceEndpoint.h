#pragma once
// The register's end of a link: turns received bytes into answers. Used by
// the in-process link and by every connection of the device server, so each
// sees the same register the same way.

#include "emulator/EmulatedRegister.h"

#include <QByteArray>

#include <memory>

namespace emu {

class DeviceEndpoint
{
public:
    explicit DeviceEndpoint(std::shared_ptr<EmulatedRegister> reg) : m_register(std::move(reg)) {}

    // Feeds received bytes; returns the reply frames to send back, in order.
    // A stream that can never hold a frame again (garbage before a start byte,
    // a wrong checksum, an oversized length) sets failed(): the connection
    // should then be closed.
    QByteArray receive(const QByteArray &bytes);
    bool failed() const { return m_failed; }
    QString failure() const { return m_failure; }

    // One request payload to one reply frame.
    QByteArray answer(const QByteArray &payload);

    EmulatedRegister &device() { return *m_register; }

private:
    std::shared_ptr<EmulatedRegister> m_register;
    QByteArray m_buffer;
    bool m_failed = false;
    QString m_failure;
};

} // namespace emu
