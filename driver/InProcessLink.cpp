#include "driver/InProcessLink.h"

#include "driver/ResultCodes.h"

namespace kassio {

int InProcessLink::open(int, QString *detail)
{
    auto reg = emu::EmulatedRegister::shared(m_stateFile);
    if (!reg->isOpen()) {
        if (detail)
            *detail = QStringLiteral("файл состояния эмулятора недоступен: %1").arg(m_stateFile);
        return rc::PortUnavailable;
    }
    m_endpoint.emplace(std::move(reg));
    return rc::Ok;
}

int InProcessLink::exchange(const QByteArray &requestFrame, QByteArray &replyFrame, int)
{
    if (!m_endpoint)
        return rc::NoLink;
    replyFrame = m_endpoint->receive(requestFrame);
    if (m_endpoint->failed()) {
        m_endpoint.reset();
        return rc::LinkLost;
    }
    return replyFrame.isEmpty() ? rc::NoLink : rc::Ok;
}

} // namespace kassio
