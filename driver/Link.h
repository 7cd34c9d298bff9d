#pragma once
// A link carries request frames to a register and brings back its replies.

#include <QByteArray>
#include <QString>

#include <memory>

class TKassio;

namespace kassio {

class Link
{
public:
    virtual ~Link() = default;
    // 0 or a negative result code; detail gets a human-readable reason.
    virtual int open(int timeoutMs, QString *detail) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Sends one whole frame and waits at most timeoutMs for one whole reply
    // frame, which it puts into replyFrame. 0 or a negative result code.
    virtual int exchange(const QByteArray &requestFrame, QByteArray &replyFrame, int timeoutMs) = 0;
    // Identifies what the link is bound to, so a changed setting reopens it.
    virtual QString target() const = 0;
};

// Makes the link the component's current connection settings ask for, or
// returns a negative result code (and a reason) when none can be made.
std::unique_ptr<Link> makeLink(const TKassio &settings, int *errorCode, QString *detail);

} // namespace kassio
