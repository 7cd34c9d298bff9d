#include "driver/PortMap.h"

#include "driver/ComponentSettings.h"
#include "emulator/EmulatedRegister.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <map>

namespace kassio {
namespace {

// Fixed blocks, so a device keeps its number whatever else is plugged in.
struct Block {
    const char *prefix;
    int firstCom;
    int count;
};
constexpr Block kBlocks[] = {{"ttyACM", 2, 16}, {"ttyUSB", 18, 16}, {"ttyS", 34, 32}};

std::map<int, QString> userEntries()
{
    std::map<int, QString> m;
    auto s = componentSettings();
    s->beginGroup(QStringLiteral("PortMap"));
    for (const QString &key : s->childKeys()) {
        bool ok = false;
        const int com = QString(key).remove(QStringLiteral("COM")).toInt(&ok);
        if (ok && com >= 1 && com <= PortMap::MaxComNumber)
            m[com] = s->value(key).toString();
    }
    return m;
}

std::map<int, PortEntry> allEntries()
{
    std::map<int, PortEntry> m;
    const QDir dev(QStringLiteral("/dev"));
    for (const Block &b : kBlocks) {
        const QString prefix = QString::fromLatin1(b.prefix);
        for (const QString &name : dev.entryList({prefix + u'*'}, QDir::System | QDir::Files)) {
            const int com = PortMap::defaultComNumber(dev.filePath(name));
            if (com > 0)
                m[com] = {com, dev.filePath(name), false};
        }
    }
    m[PortMap::BuiltInEmulatorCom] = {PortMap::BuiltInEmulatorCom, PortMap::builtInEmulatorPath(), false};
    for (const auto &[com, path] : userEntries())
        m[com] = {com, path, true};
    return m;
}

} // namespace

int PortMap::defaultComNumber(const QString &devicePath)
{
    const QString name = QFileInfo(devicePath).fileName();
    for (const Block &b : kBlocks) {
        const QRegularExpression re(QStringLiteral("^%1(\\d+)$").arg(QLatin1String(b.prefix)));
        const auto match = re.match(name);
        if (match.hasMatch()) {
            const int n = match.captured(1).toInt();
            return n < b.count ? b.firstCom + n : 0;
        }
    }
    return 0;
}

QString PortMap::pathFor(int comNumber)
{
    const auto m = allEntries();
    const auto it = m.find(comNumber);
    return it == m.end() ? QString() : it->second.path;
}

std::vector<PortEntry> PortMap::entries()
{
    std::vector<PortEntry> out;
    for (const auto &[com, e] : allEntries())
        out.push_back(e);
    return out;
}

void PortMap::setUserEntry(int comNumber, const QString &path)
{
    auto s = componentSettings();
    s->setValue(QStringLiteral("PortMap/COM%1").arg(comNumber), path);
}

void PortMap::removeUserEntry(int comNumber)
{
    auto s = componentSettings();
    s->remove(QStringLiteral("PortMap/COM%1").arg(comNumber));
}

int PortMap::registerPath(const QString &path, int from)
{
    const auto m = allEntries();
    for (const auto &[com, e] : m)
        if (e.user && e.path == path)
            return com;
    for (int com = std::max(1, from); com <= MaxComNumber; ++com) {
        const auto it = m.find(com);
        if (it == m.end()) {
            setUserEntry(com, path);
            return com;
        }
    }
    return 0;
}

bool PortMap::isEmulatorPath(const QString &path)
{
    return path == builtInEmulatorPath() || path.startsWith(builtInEmulatorPath() + u':');
}

QString PortMap::emulatorStateFile(const QString &path)
{
    const qsizetype colon = path.indexOf(u':');
    return colon < 0 ? emu::EmulatedRegister::defaultStateFile() : path.mid(colon + 1);
}

} // namespace kassio
