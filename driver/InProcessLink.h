#pragma once
// The built-in emulator as a virtual serial port served in-process: frames go
// through the same codec and endpoint as on a wire.

#include "driver/Link.h"
#include "emulator/DeviceEndpoint.h"

#include <optional>

namespace kassio {

class InProcessLink : public Link
{
public:
    explicit InProcessLink(QString stateFile) : m_stateFile(std::move(stateFile)) {}
    int open(int timeoutMs, QString *detail) override;
    void close() override { m_endpoint.reset(); }
    bool isOpen() const override { return m_endpoint.has_value(); }
    int exchange(const QByteArray &requestFrame, QByteArray &replyFrame, int timeoutMs) override;
    QString target() const override { return QStringLiteral("emulator:") + m_stateFile; }

private:
    QString m_stateFile;
    std::optional<emu::DeviceEndpoint> m_endpoint;
};

} // namespace kassio
