#include "driver/SerialLink.h"

#include "driver/FrameCodec.h"
#include "driver/ResultCodes.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QSerialPort>

#include <algorithm>
#include <array>
#include <cerrno>

#include <unistd.h>

namespace kassio {
namespace {

constexpr std::array<int, 10> kBaudRates = {2400, 4800, 9600, 19200, 38400, 57600, 115200, 230400, 460800, 921600};

int remaining(const QDeadlineTimer &deadline)
{
    return static_cast<int>(std::max<qint64>(0, deadline.remainingTime()));
}

} // namespace

std::optional<int> baudRateOfCode(int code)
{
    if (code < 0 || code >= static_cast<int>(kBaudRates.size()))
        return std::nullopt;
    return kBaudRates[static_cast<std::size_t>(code)];
}

SerialLink::SerialLink(SerialSettings settings) : m_settings(std::move(settings))
{
    m_settings.sendCount = std::clamp(m_settings.sendCount, 1, 10);
    m_settings.readCount = std::clamp(m_settings.readCount, 1, 10);
}

SerialLink::~SerialLink() { close(); }

QString SerialLink::target() const
{
    return QStringLiteral("serial:%1@%2").arg(m_settings.path).arg(m_settings.baudRate);
}

int SerialLink::open(int, QString *detail)
{
    close();
    const auto fail = [detail](int code, const QString &text) {
        if (detail)
            *detail = text;
        return code;
    };
    const QByteArray nativePath = QFile::encodeName(m_settings.path);
    if (!QFileInfo::exists(m_settings.path))
        return fail(rc::PortUnavailable, QStringLiteral("нет устройства %1").arg(m_settings.path));
    // QSerialPort reports "no permission" and "held by someone else" alike;
    // asking first keeps a port we may not use from being called busy.
    if (::access(nativePath.constData(), R_OK | W_OK) != 0 && errno == EACCES)
        return fail(rc::PortUnavailable, QStringLiteral("нет доступа к %1").arg(m_settings.path));

    auto port = std::make_unique<QSerialPort>();
    port->setPortName(m_settings.path);
    port->setBaudRate(m_settings.baudRate);
    port->setDataBits(QSerialPort::Data8);
    port->setParity(QSerialPort::NoParity);
    port->setStopBits(QSerialPort::OneStop);
    port->setFlowControl(QSerialPort::NoFlowControl);
    if (!port->open(QIODevice::ReadWrite)) {
        const auto error = port->error();
        const bool busy = error == QSerialPort::PermissionError || error == QSerialPort::OpenError;
        return fail(busy ? rc::PortBusy : rc::PortUnavailable,
                    QStringLiteral("%1: %2").arg(m_settings.path, port->errorString()));
    }
    // USB registers want DTR; pseudo-terminals and some adapters have no
    // modem lines at all, which is no reason to give up the port.
    if (!port->setDataTerminalReady(true))
        port->clearError();
    port->clear(QSerialPort::AllDirections);
    m_port = std::move(port);
    m_pending.clear();
    m_answered = false;
    return rc::Ok;
}

void SerialLink::close()
{
    if (m_port) {
        m_port->close();
        m_port.reset();
    }
    m_pending.clear();
}

bool SerialLink::isOpen() const { return m_port && m_port->isOpen(); }

int SerialLink::exchange(const QByteArray &requestFrame, QByteArray &replyFrame, int timeoutMs)
{
    if (!isOpen())
        return rc::LinkLost;
    timeoutMs = std::max(1, timeoutMs);
    // A late answer to an abandoned request must not be taken for this one.
    m_port->clear(QSerialPort::Input);
    m_port->readAll();
    m_pending.clear();

    int code = rc::NoLink;
    for (int send = 0; send < m_settings.sendCount; ++send) {
        // A repeat goes out only when nothing at all came back; it carries
        // the same sequence number, so a late answer to the first send counts.
        if (!m_pending.isEmpty())
            break;
        m_port->write(requestFrame);
        const QDeadlineTimer writeDeadline(timeoutMs);
        while (m_port->bytesToWrite() > 0) {
            if (!m_port->waitForBytesWritten(std::max(1, remaining(writeDeadline))))
                return writeDeadline.hasExpired() ? rc::NoLink : rc::LinkLost;
        }
        for (int read = 0; read < m_settings.readCount; ++read) {
            code = readFrame(replyFrame, timeoutMs);
            if (code != rc::NoLink)
                return code;
        }
    }
    return code;
}

int SerialLink::readFrame(QByteArray &replyFrame, int timeoutMs)
{
    // On a fresh port the first byte of the first answer tells whether a
    // register listens at this rate at all; SearchTimeout bounds that wait.
    const bool probing = !m_answered && m_settings.searchTimeoutMs > 0 && m_settings.searchTimeoutMs < timeoutMs;
    QDeadlineTimer deadline(probing && m_pending.isEmpty() ? m_settings.searchTimeoutMs : timeoutMs);
    for (;;) {
        const FrameScan scan = scanFrame(m_pending);
        if (scan.status == FrameStatus::Complete) {
            replyFrame = m_pending.left(scan.frameSize);
            m_pending.remove(0, scan.frameSize);
            m_answered = true;
            return rc::Ok;
        }
        if (scan.status == FrameStatus::Invalid)
            return rc::BadAnswer;
        if (deadline.hasExpired())
            return rc::NoLink;
        const bool wasEmpty = m_pending.isEmpty();
        if (m_port->waitForReadyRead(std::max(1, remaining(deadline)))) {
            m_pending.append(m_port->readAll());
            if (wasEmpty && probing)
                deadline.setRemainingTime(timeoutMs); // someone answers: the rest may take Timeout
            continue;
        }
        const auto error = m_port->error();
        if (error != QSerialPort::NoError && error != QSerialPort::TimeoutError)
            return rc::LinkLost;
        m_port->clearError();
    }
}

} // namespace kassio
