// kassio-emulator: the emulated register as a device on the wire, with its
// paper tape printed as it grows. Service actions run first, then the
// services: the TCP server, and on request a pseudo-terminal serial line and
// the UDP announcement.

#include "driver/KassioMembers.h"
#include "driver/PortMap.h"
#include "driver/SerialLink.h"
#include "emulator/Announcer.h"
#include "emulator/DeviceCatalog.h"
#include "emulator/DeviceServer.h"
#include "emulator/EmulatedRegister.h"
#include "emulator/PtyDevice.h"

#include <QCoreApplication>
#include <QFile>
#include <QHostAddress>
#include <QNetworkInterface>
#include <QSocketNotifier>
#include <QTimer>

#include <optional>
#include <vector>

#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

namespace {

struct Injection {
    QString method; // a method name or "*"
    int code = 0;
    int count = 0;
};

struct Options {
    QHostAddress bind{QHostAddress::LocalHost};
    int port = kassio::propDefault(kassio::PropId::TCPPort).toInt();
    QString stateFile;
    QString tape = QStringLiteral("-");
    bool noTape = false;
    std::optional<int> resetModel; // 0: keep the current model
    bool newFiscalDrive = false;
    std::vector<Injection> injections;
    std::optional<qint64> clockOffsetSeconds;
    std::optional<bool> paperOut;
    QString ptyLink;
    std::optional<int> baudRate; // none: the register's own port setting
    bool announce = false;
    bool announceBroadcast = false;
    int announcePort = emu::Announcer::DefaultPort;
    bool listModels = false;
    bool once = false;
    bool help = false;
};

QString helpText(int defaultPort)
{
    return QStringLiteral(
               "Usage: kassio-emulator [options]\n"
               "Serves the emulated fiscal register on a TCP port (and on request on a pseudo-terminal\n"
               "serial line) and prints its paper tape as it grows.\n"
               "\n"
               "Connection:\n"
               "  --port N              TCP port (default %1; 0 takes any free port). The port bound\n"
               "                        is printed as \"listening on ADDRESS:PORT\".\n"
               "  --bind ADDRESS        address to listen on (default 127.0.0.1)\n"
               "  --pty PATH            also be a serial device: a pseudo-terminal whose slave PATH\n"
               "                        links to, registered in the component's port map; its COM\n"
               "                        number is printed as \"serial line COMn at PATH\"\n"
               "  --baud N              the one rate the register answers at on the serial line\n"
               "                        (2400 ... 921600; default: the register's port table,\n"
               "                        115200 from the factory); requests sent at any other rate\n"
               "                        are dropped, as a real register would take them for noise\n"
               "  --announce            send \"SN:<factory number>;IP:<address>;port:<tcp port>\"\n"
               "                        every second by UDP to 127.0.0.1\n"
               "  --announce-broadcast  the same, to the broadcast address too\n"
               "  --announce-port N     UDP port of the announcement (default %3)\n"
               "\n"
               "Register:\n"
               "  --state FILE          state file (default %2)\n"
               "  --tape FILE|-         where the tape goes (default -, standard output)\n"
               "  --no-tape             do not print the tape\n"
               "\n"
               "Actions, applied at start in this order:\n"
               "  --reset [MODEL]       factory reset (optionally to another model; see --list-models)\n"
               "  --new-fn              install a new fiscal drive\n"
               "  --inject METHOD:CODE:COUNT\n"
               "                        the next COUNT calls of METHOD (\"*\" for any) answer CODE,\n"
               "                        e.g. PrintString:80:3; repeatable\n"
               "  --clock-offset SECONDS  set the register's clock this far from the computer's\n"
               "  --paper-out           the paper runs out\n"
               "  --paper-in            paper is loaded again\n"
               "\n"
               "  --list-models         list the models and exit\n"
               "  --once                apply the actions and exit without serving\n"
               "  --help                show this text\n")
        .arg(defaultPort)
        .arg(emu::EmulatedRegister::defaultStateFile())
        .arg(emu::Announcer::DefaultPort);
}

bool parseInt(const QString &text, qint64 min, qint64 max, qint64 &out)
{
    bool ok = false;
    const qint64 v = text.toLongLong(&ok);
    if (!ok || v < min || v > max)
        return false;
    out = v;
    return true;
}

std::optional<Injection> parseInjection(const QString &text)
{
    const QStringList parts = text.split(u':');
    if (parts.size() != 3)
        return std::nullopt;
    Injection inj{parts[0], 0, 0};
    if (inj.method != u"*" && !kassio::findMethod(inj.method.toStdString()))
        return std::nullopt;
    qint64 code = 0, count = 0;
    if (!parseInt(parts[1], 0, 255, code) || !parseInt(parts[2], 1, 1000000, count))
        return std::nullopt;
    inj.code = static_cast<int>(code);
    inj.count = static_cast<int>(count);
    return inj;
}

// "" when the arguments are good, else what is wrong with them.
QString parseArguments(const QStringList &args, Options &o)
{
    for (int i = 1; i < args.size(); ++i) {
        QString name = args[i];
        std::optional<QString> inlineValue;
        if (const qsizetype eq = name.indexOf(u'='); name.startsWith(u"--") && eq > 0) {
            inlineValue = name.mid(eq + 1);
            name.truncate(eq);
        }
        const auto value = [&]() -> std::optional<QString> {
            if (inlineValue)
                return inlineValue;
            if (i + 1 < args.size())
                return args[++i];
            return std::nullopt;
        };
        const auto flag = [&] { return !inlineValue; };

        if ((name == u"--help" || name == u"-h") && flag()) {
            o.help = true;
        } else if (name == u"--port") {
            qint64 port = 0;
            const auto v = value();
            if (!v || !parseInt(*v, 0, 65535, port))
                return QStringLiteral("--port needs a port number from 0 to 65535");
            o.port = static_cast<int>(port);
        } else if (name == u"--bind") {
            const auto v = value();
            if (!v || !o.bind.setAddress(*v))
                return QStringLiteral("--bind needs an IP address");
        } else if (name == u"--pty") {
            const auto v = value();
            if (!v || v->isEmpty())
                return QStringLiteral("--pty needs a path for the link to the serial line");
            o.ptyLink = *v;
        } else if (name == u"--baud") {
            qint64 baud = 0;
            const auto v = value();
            bool known = false;
            if (v && parseInt(*v, 1, 10000000, baud))
                for (int code = 0; kassio::baudRateOfCode(code); ++code)
                    known = known || *kassio::baudRateOfCode(code) == baud;
            if (!known)
                return QStringLiteral("--baud needs one of 2400, 4800, 9600, 19200, 38400, 57600, 115200, "
                                      "230400, 460800, 921600");
            o.baudRate = static_cast<int>(baud);
        } else if (name == u"--announce" && flag()) {
            o.announce = true;
        } else if (name == u"--announce-broadcast" && flag()) {
            o.announce = o.announceBroadcast = true;
        } else if (name == u"--announce-port") {
            qint64 port = 0;
            const auto v = value();
            if (!v || !parseInt(*v, 1, 65535, port))
                return QStringLiteral("--announce-port needs a port number from 1 to 65535");
            o.announcePort = static_cast<int>(port);
        } else if (name == u"--state") {
            const auto v = value();
            if (!v || v->isEmpty())
                return QStringLiteral("--state needs a file name");
            o.stateFile = *v;
        } else if (name == u"--tape") {
            const auto v = value();
            if (!v || v->isEmpty())
                return QStringLiteral("--tape needs a file name or -");
            o.tape = *v;
        } else if (name == u"--no-tape" && flag()) {
            o.noTape = true;
        } else if (name == u"--reset") {
            // The model is optional: take the next argument only when it is not an option.
            std::optional<QString> model = inlineValue;
            if (!model && i + 1 < args.size() && !args[i + 1].startsWith(u'-'))
                model = args[++i];
            qint64 id = 0;
            if (model && (!parseInt(*model, 1, 1 << 30, id) || !emu::findModel(static_cast<int>(id))))
                return QStringLiteral("unknown model \"%1\" (see --list-models)").arg(*model);
            o.resetModel = static_cast<int>(id);
        } else if (name == u"--new-fn" && flag()) {
            o.newFiscalDrive = true;
        } else if (name == u"--inject") {
            const auto v = value();
            const auto inj = v ? parseInjection(*v) : std::nullopt;
            if (!inj)
                return QStringLiteral("--inject needs METHOD:CODE:COUNT with a known method or *, a code "
                                      "0..255 and a count of at least 1 (got \"%1\")")
                    .arg(v.value_or(QString()));
            o.injections.push_back(*inj);
        } else if (name == u"--clock-offset") {
            qint64 seconds = 0;
            const auto v = value();
            if (!v || !parseInt(*v, -100LL * 365 * 86400, 100LL * 365 * 86400, seconds))
                return QStringLiteral("--clock-offset needs a number of seconds");
            o.clockOffsetSeconds = seconds;
        } else if (name == u"--paper-out" && flag()) {
            o.paperOut = true;
        } else if (name == u"--paper-in" && flag()) {
            o.paperOut = false;
        } else if (name == u"--list-models" && flag()) {
            o.listModels = true;
        } else if (name == u"--once" && flag()) {
            o.once = true;
        } else {
            return QStringLiteral("unknown option \"%1\"").arg(args[i]);
        }
    }
    return {};
}

// "" when every action was applied, else the first that failed.
QString applyActions(emu::EmulatedRegister &reg, const Options &o)
{
    if (o.resetModel && !reg.factoryReset(*o.resetModel))
        return QStringLiteral("factory reset failed: ") + reg.lastError();
    if (o.newFiscalDrive && !reg.newFiscalDrive())
        return QStringLiteral("new fiscal drive failed: ") + reg.lastError();
    for (const Injection &inj : o.injections)
        if (!reg.injectFault(inj.method, inj.code, inj.count))
            return QStringLiteral("fault injection failed: ") + reg.lastError();
    if (o.clockOffsetSeconds && !reg.setClockOffset(*o.clockOffsetSeconds * 1000))
        return QStringLiteral("clock offset failed: ") + reg.lastError();
    if (o.paperOut && !reg.setPaperOut(*o.paperOut))
        return QStringLiteral("paper change failed: ") + reg.lastError();
    return {};
}

// Prints the lines the tape gains, whoever prints them: this server's clients
// or another process using the same state file.
class TapePrinter : public QObject
{
public:
    TapePrinter(std::shared_ptr<emu::EmulatedRegister> reg, QFile &out)
        : m_register(std::move(reg)), m_out(out)
    {
        const auto existing = m_register->tape();
        m_lastId = existing.empty() ? 0 : existing.back().id;
        connect(&m_timer, &QTimer::timeout, this, &TapePrinter::poll);
        m_timer.start(200);
    }

private:
    void poll()
    {
        const auto lines = m_register->tape(m_lastId);
        if (lines.empty())
            return;
        m_lastId = lines.back().id;
        m_out.write((emu::tapeText(lines) + u'\n').toUtf8());
        m_out.flush();
    }

    std::shared_ptr<emu::EmulatedRegister> m_register;
    QFile &m_out;
    QTimer m_timer;
    qint64 m_lastId = 0;
};

// The rate the register's first port is set to in its port table.
int registerBaudRate(emu::EmulatedRegister &reg)
{
    const emu::RegisterState state = reg.snapshot();
    const emu::ModelDef *model = emu::findModel(state.modelId);
    constexpr int defaultRate = 115200;
    if (!model)
        return defaultRate;
    for (const emu::TableDef &table : model->tables) {
        if (table.name != QStringLiteral("Параметры портов"))
            continue;
        const auto changed = state.tableValues.find({table.number, 1, 1});
        const QVariant code = changed != state.tableValues.end() ? changed->second : emu::factoryValue(table, 1, 1);
        return kassio::baudRateOfCode(code.toInt()).value_or(defaultRate);
    }
    return defaultRate;
}

// The address announced for the TCP server: the one it is bound to, or for
// "any address" the machine's first outside IPv4 address.
QString announcedAddress(const QHostAddress &bound)
{
    if (bound != QHostAddress::Any && bound != QHostAddress::AnyIPv4 && bound != QHostAddress::AnyIPv6)
        return bound.toString();
    for (const QHostAddress &a : QNetworkInterface::allAddresses())
        if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback())
            return a.toString();
    return QHostAddress(QHostAddress::LocalHost).toString();
}

// SIGINT and SIGTERM end the event loop like a normal quit, so the services
// clean up behind them (above all the serial line's link, which would
// otherwise lead to whatever terminal gets its number next). The signals are
// blocked before any thread starts and read from a descriptor on the loop.
class QuitOnSignals
{
public:
    QuitOnSignals()
    {
        sigset_t set;
        sigemptyset(&set);
        sigaddset(&set, SIGINT);
        sigaddset(&set, SIGTERM);
        if (sigprocmask(SIG_BLOCK, &set, nullptr) == 0)
            m_fd = signalfd(-1, &set, SFD_CLOEXEC | SFD_NONBLOCK);
    }
    ~QuitOnSignals()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    QuitOnSignals(const QuitOnSignals &) = delete;
    QuitOnSignals &operator=(const QuitOnSignals &) = delete;

    // Starts watching; call once the application object exists.
    void watch(QCoreApplication &app)
    {
        if (m_fd < 0)
            return;
        m_notifier.emplace(m_fd, QSocketNotifier::Read);
        QObject::connect(&*m_notifier, &QSocketNotifier::activated, &app, [this, &app] {
            signalfd_siginfo info;
            while (::read(m_fd, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
            }
            app.quit();
        });
    }

private:
    int m_fd = -1;
    std::optional<QSocketNotifier> m_notifier;
};

void writeLine(FILE *stream, const QString &text)
{
    std::fputs((text + u'\n').toUtf8().constData(), stream);
    std::fflush(stream);
}

} // namespace

int main(int argc, char *argv[])
{
    QuitOnSignals quitOnSignals;
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kassio-emulator"));

    Options o;
    if (const QString error = parseArguments(QCoreApplication::arguments(), o); !error.isEmpty()) {
        writeLine(stderr, QStringLiteral("kassio-emulator: ") + error + QStringLiteral("\nTry --help."));
        return 2;
    }
    if (o.help) {
        std::fputs(helpText(kassio::propDefault(kassio::PropId::TCPPort).toInt()).toUtf8().constData(), stdout);
        return 0;
    }
    if (o.listModels) {
        for (const emu::ModelDef &m : emu::models())
            writeLine(stdout, QStringLiteral("%1\t%2%3")
                                  .arg(m.id)
                                  .arg(m.description)
                                  .arg(m.id == emu::defaultModelId() ? QStringLiteral(" (default)") : QString()));
        return 0;
    }

    auto reg = emu::EmulatedRegister::shared(o.stateFile.isEmpty() ? emu::EmulatedRegister::defaultStateFile()
                                                                   : o.stateFile);
    if (!reg->isOpen()) {
        writeLine(stderr, QStringLiteral("kassio-emulator: cannot open the state file %1").arg(reg->stateFile()));
        return 1;
    }
    if (const QString error = applyActions(*reg, o); !error.isEmpty()) {
        writeLine(stderr, QStringLiteral("kassio-emulator: ") + error);
        return 1;
    }
    if (o.once)
        return 0;

    QFile tapeOut;
    std::optional<TapePrinter> tapePrinter;
    if (!o.noTape) {
        const bool opened = o.tape == u"-" ? tapeOut.open(stdout, QIODevice::WriteOnly)
                                           : (tapeOut.setFileName(o.tape), tapeOut.open(QIODevice::Append));
        if (!opened) {
            writeLine(stderr, QStringLiteral("kassio-emulator: cannot write the tape to %1: %2")
                                  .arg(o.tape, tapeOut.errorString()));
            return 1;
        }
        tapePrinter.emplace(reg, tapeOut);
    }

    emu::DeviceServer server(reg);
    if (!server.listen(o.bind, static_cast<quint16>(o.port))) {
        writeLine(stderr, QStringLiteral("kassio-emulator: cannot listen on %1:%2: %3")
                              .arg(o.bind.toString())
                              .arg(o.port)
                              .arg(server.errorString()));
        return 1;
    }
    QObject::connect(&server, &emu::DeviceServer::clientDisconnected, [](const QString &peer, const QString &reason) {
        if (!reason.isEmpty())
            writeLine(stderr, QStringLiteral("closed %1: %2").arg(peer, reason));
    });
    writeLine(stdout, QStringLiteral("listening on %1:%2").arg(server.address().toString()).arg(server.port()));
    writeLine(stderr, QStringLiteral("state file %1").arg(reg->stateFile()));

    std::optional<emu::PtyDevice> pty;
    if (!o.ptyLink.isEmpty()) {
        pty.emplace(reg, o.baudRate.value_or(registerBaudRate(*reg)));
        if (!pty->open(o.ptyLink)) {
            writeLine(stderr, QStringLiteral("kassio-emulator: cannot make the serial line %1: %2")
                                  .arg(o.ptyLink, pty->errorString()));
            return 1;
        }
        const int com = kassio::PortMap::registerPath(o.ptyLink);
        if (com == 0) {
            writeLine(stderr, QStringLiteral("kassio-emulator: no free COM number for %1").arg(o.ptyLink));
            return 1;
        }
        QObject::connect(&*pty, &emu::PtyDevice::bytesIgnored, [](int count, int lineRate) {
            writeLine(stderr, QStringLiteral("ignored %1 bytes sent at %2 baud").arg(count).arg(lineRate));
        });
        writeLine(stdout, QStringLiteral("serial line COM%1 at %2 (%3), %4 baud")
                              .arg(com)
                              .arg(o.ptyLink, pty->slavePath())
                              .arg(pty->baudRate()));
    }

    quitOnSignals.watch(app);
    std::optional<emu::Announcer> announcer;
    if (o.announce) {
        std::vector<QHostAddress> targets{QHostAddress(QHostAddress::LocalHost)};
        if (o.announceBroadcast)
            targets.emplace_back(QHostAddress::Broadcast);
        const QString address = announcedAddress(o.bind);
        const quint16 tcpPort = server.port();
        const auto message = [reg, address, tcpPort] {
            return emu::Announcer::datagram(reg->snapshot().serialNumber, address, tcpPort);
        };
        announcer.emplace(message, std::move(targets), static_cast<quint16>(o.announcePort));
        announcer->start();
        writeLine(stderr, QStringLiteral("announcing on UDP port %1").arg(o.announcePort));
    }
    return app.exec();
}
