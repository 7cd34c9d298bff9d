#include "driver/ComportUtils.h"

#include "driver/LogFile.h"
#include "driver/PortMap.h"

#include <QFileInfo>
#include <QSerialPortInfo>

#include <algorithm>
#include <map>

namespace {

// Blanks and control characters off the end, as a device's own texts come.
QString trimmedEnd(const QString &text)
{
    qsizetype n = text.size();
    while (n > 0 && (text[n - 1].isSpace() || text[n - 1].category() == QChar::Other_Control))
        --n;
    return text.left(n);
}

QString hex4(int value) { return QStringLiteral("%1").arg(value, 4, 16, QChar(u'0')).toUpper(); }

int hexTagValue(const QString &HWStr, QLatin1String tag)
{
    const QString lower = HWStr.toLower();
    const qsizetype at = lower.indexOf(tag);
    if (at < 0)
        return 0;
    const QString digits = lower.mid(at + tag.size(), 4);
    const bool hex = digits.size() == 4 && std::all_of(digits.begin(), digits.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f');
    });
    return hex ? digits.toInt(nullptr, 16) : 0;
}

TSerialPortRec makeRec(int comNumber, const QString &description, const QString &hardwareId)
{
    TSerialPortRec rec;
    rec.ComNumber = comNumber;
    rec.Name = QStringLiteral("COM%1").arg(comNumber);
    rec.FriendlyName = QStringLiteral("%1 (COM%2)").arg(trimmedEnd(description)).arg(comNumber);
    rec.HWStr = trimmedEnd(hardwareId);
    return rec;
}

TSerialPortRec deviceRec(int comNumber, const QSerialPortInfo &info)
{
    const QString description =
        info.description().isEmpty() ? QStringLiteral("Последовательный порт") : trimmedEnd(info.description());
    const QString hardwareId = info.hasVendorIdentifier() && info.hasProductIdentifier()
        ? QStringLiteral("USB\\VID_%1&PID_%2").arg(hex4(info.vendorIdentifier()), hex4(info.productIdentifier()))
        : QStringLiteral("SERIAL\\") + info.portName();
    return makeRec(comNumber, description + u' ' + info.portName(), hardwareId);
}

} // namespace

int ComNumberOfFriendlyName(const QString &FriendlyName)
{
    if (FriendlyName.contains(QLatin1String("(LPT")))
        return -1;
    const qsizetype start = FriendlyName.indexOf(QLatin1String("(COM"));
    if (start < 0)
        return -1;
    const qsizetype digits = start + 4;
    const qsizetype end = FriendlyName.indexOf(u')', digits);
    if (end < 0)
        return -1;
    const QString number = FriendlyName.mid(digits, end - digits);
    bool ok = false;
    const int value = number.toInt(&ok);
    // Only plain decimal digits: "+5" or " 5" are no COM number.
    const bool plain = !number.isEmpty() && std::all_of(number.begin(), number.end(), [](QChar c) {
        return c >= u'0' && c <= u'9';
    });
    return ok && plain ? value : -1;
}

int HardwareVid(const QString &HWStr) { return hexTagValue(HWStr, QLatin1String("vid_")); }
int HardwarePid(const QString &HWStr) { return hexTagValue(HWStr, QLatin1String("pid_")); }

bool IsSkippedBySearch(const TSerialPortRec &Rec)
{
    return Rec.ComNumber < 0 || HardwareVid(Rec.HWStr) == 0x0E8D || HardwarePid(Rec.HWStr) == 0x2012;
}

int TSerialPorts::IndexOfComNumber(int AComNumber) const
{
    for (std::size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].ComNumber == AComNumber)
            return static_cast<int>(i);
    return -1;
}

void TSerialPorts::EnumPorts()
{
    GlobalLogger()->Debug(QStringLiteral("EnumPorts"));
    FItems.clear();

    std::map<QString, QSerialPortInfo> devices; // by the device's real path
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        const QString path = QFileInfo(info.systemLocation()).canonicalFilePath();
        if (!path.isEmpty())
            devices.emplace(path, info);
    }

    for (const kassio::PortEntry &entry : kassio::PortMap::entries()) {
        if (kassio::PortMap::isEmulatorPath(entry.path)) {
            FItems.push_back(makeRec(entry.comNumber, QStringLiteral("Встроенный эмулятор ККТ"),
                                     QStringLiteral("KASSIO\\EMULATOR")));
            continue;
        }
        // A registered pseudo-terminal whose emulator has gone leaves a
        // dangling link behind: that port is not present.
        const QString path = QFileInfo(entry.path).canonicalFilePath();
        if (path.isEmpty())
            continue;
        if (const auto it = devices.find(path); it != devices.end()) {
            FItems.push_back(deviceRec(entry.comNumber, it->second));
        } else if (entry.user) {
            // The system does not list pseudo-terminals; a user's entry is
            // taken as it stands. Default entries the system does not list
            // are device nodes without hardware behind them.
            const bool pty = path.startsWith(QLatin1String("/dev/pts/"));
            FItems.push_back(makeRec(entry.comNumber,
                                     (pty ? QStringLiteral("Псевдотерминал ") : QStringLiteral("Последовательный порт "))
                                         + entry.path,
                                     (pty ? QStringLiteral("PTY\\") : QStringLiteral("SERIAL\\")) + path));
        }
    }

    for (const TSerialPortRec &rec : FItems) {
        GlobalLogger()->Debug(QStringLiteral("  ") + rec.Name);
        GlobalLogger()->Debug(QStringLiteral("  ") + rec.FriendlyName);
        GlobalLogger()->Debug(QStringLiteral("  ") + rec.HWStr);
        GlobalLogger()->Debug(
            QStringLiteral("  vid=%1 pid=%2").arg(hex4(HardwareVid(rec.HWStr)), hex4(HardwarePid(rec.HWStr))));
        GlobalLogger()->Debug(QStringLiteral("----------------"));
    }
}
