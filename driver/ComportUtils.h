#pragma once
// The serial ports of this machine as the component numbers them: devices
// the port map gives a COM number, the built-in emulator and the
// pseudo-terminals registered in the map (kassio-emulator --pty).

#include <QString>

#include <vector>

struct TSerialPortRec {
    QString Name;         // "COM" + number
    QString FriendlyName; // ends in "(COMn)"
    QString HWStr;        // hardware identifier, "USB\VID_xxxx&PID_xxxx..." for USB devices
    int ComNumber = -1;   // -1 when no COM number could be read
};

class TSerialPorts
{
public:
    // Fills the list anew; the log gets the ports found at debug level.
    void EnumPorts();
    // Index of the first record with that COM number, or -1.
    int IndexOfComNumber(int AComNumber) const;

    int Count() const { return static_cast<int>(FItems.size()); }
    const TSerialPortRec &Items(int Index) const { return FItems.at(static_cast<std::size_t>(Index)); }
    void Clear() { FItems.clear(); }
    void Add(const TSerialPortRec &Rec) { FItems.push_back(Rec); }

private:
    std::vector<TSerialPortRec> FItems;
};

// The COM number in a friendly name: the decimal number between "(COM" and
// the next ")"; -1 for "(LPT" names, names without "(COM" and anything else.
int ComNumberOfFriendlyName(const QString &FriendlyName);

// The four hexadecimal digits after "vid_" (or "pid_") in a hardware
// identifier, in any letter case; 0 when the tag is missing or not hex.
int HardwareVid(const QString &HWStr);
int HardwarePid(const QString &HWStr);

// The device search leaves these ports alone: no COM number, vendor 0E8D
// (its modems and phones answer on every rate) or product 2012.
bool IsSkippedBySearch(const TSerialPortRec &Rec);
