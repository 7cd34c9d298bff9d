// kassio-call: one driver call from the command line. Sets properties, calls a
// method, prints the result, the frames and the outputs asked for.
// Exit code: 0 when the method returned 0, 1 for any other result, 2 when the
// command line itself is wrong.

#include "driver/FrameCodec.h"
#include "driver/Kassio.h"
#include "driver/PortMap.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

using namespace kassio;

namespace {

constexpr int kUsageError = 2;

struct Assignment {
    PropId id;
    QVariant value;
};

struct CommandLine {
    std::optional<QString> tcpHost;
    int tcpPort = 0;
    std::optional<int> comNumber;
    std::optional<int> timeout;
    std::optional<QString> stateFile;
    std::vector<Assignment> assignments;
    std::optional<MethodId> method;
    std::vector<PropId> outputs;
    bool help = false;
};

const char *const kHelp =
    "Usage: kassio-call [connection options] [Name=value ...] Method [Name ...]\n"
    "Sets the driver's properties, calls Method and prints the result code and its\n"
    "description, the frames, the operator number and the named output properties.\n"
    "Without connection options the driver's own settings are used.\n"
    "\n"
    "  --tcp HOST:PORT   a register on TCP (ConnectionType 6)\n"
    "  --com N           the port mapped to COM N (ConnectionType 0)\n"
    "  --state FILE      the built-in emulator with this state file\n"
    "  --timeout MS      the answer timeout (Timeout)\n"
    "  --help            show this text\n"
    "\n"
    "Values: numbers, text, amounts as 12.34, dates as 2024-05-31 or 31.05.2024\n"
    "(with hh:mm:ss if needed), booleans as 1/0/true/false.\n"
    "Exit code: 0 when the method returned 0, 1 for another result, 2 for a wrong command line.\n"
    "Example: kassio-call StringForPrinting=Hello PrintString\n";

std::optional<int> parseNumber(const QString &text, int min, int max)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    return ok && v >= min && v <= max ? std::optional<int>(v) : std::nullopt;
}

QString nameOf(PropId id)
{
    const auto name = propInfo(id).name;
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// "" when the arguments are good, else what is wrong with them.
QString parse(const QStringList &args, CommandLine &c)
{
    for (int i = 1; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg.startsWith(u"--")) {
            QString name = arg;
            std::optional<QString> value;
            if (const qsizetype eq = arg.indexOf(u'='); eq > 0) {
                value = arg.mid(eq + 1);
                name.truncate(eq);
            }
            if (name == u"--help") {
                c.help = true;
                continue;
            }
            if (!value) {
                if (i + 1 >= args.size())
                    return QStringLiteral("option %1 needs a value").arg(name);
                value = args[++i];
            }
            if (name == u"--tcp") {
                const qsizetype colon = value->lastIndexOf(u':');
                const auto port = colon > 0 ? parseNumber(value->mid(colon + 1), 1, 65535) : std::nullopt;
                if (!port)
                    return QStringLiteral("--tcp needs HOST:PORT, got \"%1\"").arg(*value);
                c.tcpHost = value->left(colon);
                c.tcpPort = *port;
            } else if (name == u"--com") {
                c.comNumber = parseNumber(*value, 1, PortMap::MaxComNumber);
                if (!c.comNumber)
                    return QStringLiteral("--com needs a COM number from 1 to %1, got \"%2\"")
                        .arg(PortMap::MaxComNumber)
                        .arg(*value);
            } else if (name == u"--timeout") {
                c.timeout = parseNumber(*value, 1, 3600000);
                if (!c.timeout)
                    return QStringLiteral("--timeout needs milliseconds, got \"%1\"").arg(*value);
            } else if (name == u"--state") {
                if (value->isEmpty())
                    return QStringLiteral("--state needs a file name");
                c.stateFile = QFileInfo(*value).absoluteFilePath();
            } else {
                return QStringLiteral("unknown option \"%1\"").arg(name);
            }
            continue;
        }
        if (const qsizetype eq = arg.indexOf(u'='); eq >= 0) {
            if (c.method)
                return QStringLiteral("\"%1\": properties are set before the method").arg(arg);
            const QString name = arg.left(eq);
            const auto id = findProp(name.toStdString());
            if (!id)
                return QStringLiteral("unknown property \"%1\"").arg(name);
            const auto value = coerce(*id, arg.mid(eq + 1));
            if (!value)
                return QStringLiteral("bad value \"%1\" for property %2").arg(arg.mid(eq + 1), name);
            c.assignments.push_back({*id, *value});
            continue;
        }
        if (!c.method) {
            c.method = findMethod(arg.toStdString());
            if (!c.method)
                return QStringLiteral("unknown method \"%1\"").arg(arg);
            continue;
        }
        const auto id = findProp(arg.toStdString());
        if (!id)
            return QStringLiteral("unknown property \"%1\"").arg(arg);
        c.outputs.push_back(*id);
    }
    if (!c.method && !c.help)
        return QStringLiteral("no method given");
    const int connections = (c.tcpHost ? 1 : 0) + (c.comNumber ? 1 : 0) + (c.stateFile ? 1 : 0);
    if (connections > 1)
        return QStringLiteral("give only one of --tcp, --com and --state");
    return {};
}

// Points the driver at the built-in emulator with another state file. The
// emulator entry of the port map uses the default state file, which the
// environment can name for this process alone; if the user has remapped that
// entry, the file gets a port map entry of its own.
void useStateFile(TKassio &k, const QString &stateFile)
{
    for (const PortEntry &e : PortMap::entries()) {
        if (e.path == PortMap::builtInEmulatorPath()) {
            qputenv("KASSIO_EMULATOR_STATE", stateFile.toLocal8Bit());
            k.ConnectionType = 0;
            k.ComNumber = e.comNumber;
            return;
        }
    }
    k.ConnectionType = 0;
    k.ComNumber = PortMap::registerPath(PortMap::builtInEmulatorPath() + u':' + stateFile);
}

QString formatCurrency(qint64 v)
{
    const quint64 a = v < 0 ? 0 - static_cast<quint64>(v) : static_cast<quint64>(v);
    QString frac = QStringLiteral("%1").arg(a % 10000, 4, 10, QChar(u'0'));
    while (frac.size() > 2 && frac.endsWith(u'0'))
        frac.chop(1);
    return (v < 0 ? QStringLiteral("-") : QString()) + QString::number(a / 10000) + u'.' + frac;
}

QString formatValue(PropId id, const QVariant &v)
{
    switch (propInfo(id).type) {
    case ValueType::Bool:
        return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case ValueType::Curr:
        return formatCurrency(v.toLongLong());
    case ValueType::Date:
        return v.toDateTime().toString(Qt::ISODate);
    case ValueType::Bytes:
        return framesToHex(v.toByteArray());
    default:
        return v.toString();
    }
}

void print(FILE *stream, const QString &text) { std::fputs((text + u'\n').toUtf8().constData(), stream); }

} // namespace

int main(int argc, char *argv[])
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    CommandLine c;
    if (const QString error = parse(args, c); !error.isEmpty()) {
        print(stderr, QStringLiteral("kassio-call: ") + error + QStringLiteral("\nTry kassio-call --help."));
        return kUsageError;
    }
    if (c.help) {
        std::fputs(kHelp, stdout);
        return 0;
    }

    // Only the properties dialog needs widgets.
    const std::unique_ptr<QCoreApplication> app = *c.method == MethodId::ShowProperties
        ? std::make_unique<QApplication>(argc, argv)
        : std::make_unique<QCoreApplication>(argc, argv);

    TKassio k;
    if (c.tcpHost) {
        k.ConnectionType = 6;
        k.IPAddress = *c.tcpHost;
        k.TCPPort = c.tcpPort;
    } else if (c.comNumber) {
        k.ConnectionType = 0;
        k.ComNumber = *c.comNumber;
    } else if (c.stateFile) {
        useStateFile(k, *c.stateFile);
    }
    if (c.timeout)
        k.Timeout = *c.timeout;
    for (const Assignment &a : c.assignments)
        k.setProperty(a.id, a.value);

    const int result = k.call(*c.method);
    for (const PropId id : {PropId::ResultCode, PropId::ResultCodeDescription, PropId::ECRInput, PropId::ECROutput,
                            PropId::OperatorNumber})
        print(stdout, nameOf(id) + QStringLiteral(": ") + formatValue(id, k.property(id)));
    for (const PropId id : c.outputs)
        print(stdout, nameOf(id) + QStringLiteral(": ") + formatValue(id, k.property(id)));
    return result == 0 ? 0 : 1;
}
