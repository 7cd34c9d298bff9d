#include "emulator/DeviceEndpoint.h"

namespace emu {

QByteArray DeviceEndpoint::answer(const QByteArray &payload)
{
    const kassio::DecodedRequest d = kassio::decodeRequest(payload);
    if (d.ok)
        return kassio::encodeReply(m_register->execute(d.request));
    // The frame arrived whole but cannot be carried out: say why, keep the link.
    kassio::Reply refusal;
    refusal.sequence = d.sequence;
    refusal.method = d.rawMethod;
    refusal.resultCode = !kassio::isValidMethod(d.rawMethod) ? code::NotSupported : code::BadParameter;
    refusal.description = (refusal.resultCode == code::NotSupported ? errorDescription(code::NotSupported) + QStringLiteral(": ")
                                                                     : QStringLiteral("Ошибка в запросе: "))
        + d.error;
    return kassio::encodeReply(refusal);
}

QByteArray DeviceEndpoint::receive(const QByteArray &bytes)
{
    if (m_failed)
        return {};
    m_buffer.append(bytes);
    QByteArray out;
    while (!m_buffer.isEmpty()) {
        const kassio::FrameScan scan = kassio::scanFrame(m_buffer);
        if (scan.status == kassio::FrameStatus::Incomplete)
            break;
        if (scan.status == kassio::FrameStatus::Invalid) {
            m_failed = true;
            m_failure = scan.error;
            m_buffer.clear();
            break;
        }
        m_buffer.remove(0, scan.frameSize);
        out.append(answer(scan.payload));
    }
    return out;
}

} // namespace emu
