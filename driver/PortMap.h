#pragma once
// COM numbers to device paths, like a dosdevices folder: defaults for the
// usual serial devices, the built-in emulator, and user entries (any path, a
// pseudo-terminal too) that override them. Kept in the component's settings.

#include <QString>

#include <vector>

namespace kassio {

struct PortEntry {
    int comNumber = 0;
    QString path;       // a device path, or BuiltInEmulator (optionally ":" + state file)
    bool user = false;  // a user entry rather than a default
};

class PortMap
{
public:
    static constexpr int MaxComNumber = 256;
    // The built-in emulator's COM number and path; it is the default connection.
    static constexpr int BuiltInEmulatorCom = 1;
    static QString builtInEmulatorPath() { return QStringLiteral("emulator"); }

    // "" when the COM number is not mapped.
    static QString pathFor(int comNumber);
    // Every mapped COM number in order (defaults whose device exists, then the
    // emulator and the user entries, which win over defaults).
    static std::vector<PortEntry> entries();

    static void setUserEntry(int comNumber, const QString &path);
    static void removeUserEntry(int comNumber);
    // Maps path to the first free COM number from 'from' on (or to the number
    // it already has); 0 when none is free.
    static int registerPath(const QString &path, int from = 200);

    static bool isEmulatorPath(const QString &path);
    // The emulator's state file a path names ("emulator" alone: the default one).
    static QString emulatorStateFile(const QString &path);

    // The default COM number of a device path (/dev/ttyACM0 -> 2 ...), 0 if none.
    static int defaultComNumber(const QString &devicePath);
};

} // namespace kassio
