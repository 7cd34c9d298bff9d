#include "emulator/PtyDevice.h"

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace emu {
namespace {

constexpr std::array<std::pair<speed_t, int>, 18> kSpeeds = {{
    {B300, 300},       {B600, 600},       {B1200, 1200},     {B2400, 2400},     {B4800, 4800},
    {B9600, 9600},     {B19200, 19200},   {B38400, 38400},   {B57600, 57600},   {B115200, 115200},
    {B230400, 230400}, {B460800, 460800}, {B500000, 500000}, {B576000, 576000}, {B921600, 921600},
    {B1000000, 1000000}, {B1152000, 1152000}, {B1500000, 1500000},
}};

std::optional<speed_t> speedCode(int baudRate)
{
    for (const auto &[code, rate] : kSpeeds)
        if (rate == baudRate)
            return code;
    return std::nullopt;
}

QString systemError(const char *what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

PtyDevice::PtyDevice(std::shared_ptr<EmulatedRegister> reg, int baudRate, QObject *parent)
    : QObject(parent), m_register(std::move(reg)), m_baudRate(baudRate)
{
}

PtyDevice::~PtyDevice() { closeAll(); }

bool PtyDevice::open(const QString &linkPath)
{
    closeAll();
    const auto fail = [this](const QString &error) {
        m_error = error;
        closeAll();
        return false;
    };
    const auto speed = speedCode(m_baudRate);
    if (!speed)
        return fail(QStringLiteral("unsupported baud rate %1").arg(m_baudRate));

    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_master < 0)
        return fail(systemError("posix_openpt"));
    char name[128] = {};
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0 || ::ptsname_r(m_master, name, sizeof name) != 0)
        return fail(systemError("pseudo-terminal slave"));
    m_slavePath = QString::fromLocal8Bit(name);
    m_slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_slave < 0)
        return fail(systemError("open slave"));
    // Raw bytes, no echo of our own answers back to us, at the register's rate
    // until a component sets the line otherwise.
    termios tio{};
    if (::tcgetattr(m_slave, &tio) != 0)
        return fail(systemError("tcgetattr"));
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, *speed);
    ::cfsetospeed(&tio, *speed);
    if (::tcsetattr(m_slave, TCSANOW, &tio) != 0)
        return fail(systemError("tcsetattr"));
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);

    const QFileInfo link(linkPath);
    if (link.isSymLink()) {
        if (!QFile::remove(linkPath))
            return fail(QStringLiteral("cannot replace the link %1").arg(linkPath));
    } else if (link.exists()) {
        return fail(QStringLiteral("%1 exists and is not a symbolic link").arg(linkPath));
    }
    if (::symlink(name, QFile::encodeName(linkPath).constData()) != 0)
        return fail(systemError("symlink"));
    m_linkPath = link.absoluteFilePath();

    m_endpoint.emplace(m_register);
    m_readNotifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &PtyDevice::receive);
    m_writeNotifier = new QSocketNotifier(m_master, QSocketNotifier::Write, this);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &PtyDevice::flush);
    m_error.clear();
    return true;
}

int PtyDevice::lineBaudRate() const
{
    // On Linux the master reports the termios of its slave: what the
    // component set when it opened the port.
    termios tio{};
    if (m_master < 0 || ::tcgetattr(m_master, &tio) != 0)
        return 0;
    const speed_t code = ::cfgetospeed(&tio);
    for (const auto &[c, rate] : kSpeeds)
        if (c == code)
            return rate;
    return 0;
}

void PtyDevice::receive()
{
    char chunk[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, chunk, sizeof chunk);
        if (n <= 0)
            break;
        const int lineRate = lineBaudRate();
        if (lineRate != m_baudRate) {
            // Garbage to a register at another rate; whatever half frame it
            // held is lost with it.
            m_endpoint.emplace(m_register);
            emit bytesIgnored(static_cast<int>(n), lineRate);
            continue;
        }
        m_unsent += m_endpoint->receive(QByteArray(chunk, static_cast<qsizetype>(n)));
        if (m_endpoint->failed()) // a line has no connection to drop: start over at the next frame
            m_endpoint.emplace(m_register);
    }
    flush();
}

void PtyDevice::flush()
{
    while (!m_unsent.isEmpty()) {
        const ssize_t n = ::write(m_master, m_unsent.constData(), static_cast<size_t>(m_unsent.size()));
        if (n <= 0)
            break;
        m_unsent.remove(0, n);
    }
    if (m_writeNotifier)
        m_writeNotifier->setEnabled(!m_unsent.isEmpty());
}

void PtyDevice::closeAll()
{
    delete m_readNotifier;
    m_readNotifier = nullptr;
    delete m_writeNotifier;
    m_writeNotifier = nullptr;
    // Take the link away only while it still leads to our slave.
    if (!m_linkPath.isEmpty() && QFileInfo(m_linkPath).symLinkTarget() == m_slavePath)
        QFile::remove(m_linkPath);
    m_linkPath.clear();
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
    m_slave = m_master = -1;
    m_endpoint.reset();
    m_unsent.clear();
}

} // namespace emu
