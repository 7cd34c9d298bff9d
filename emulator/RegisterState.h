#pragma once
// The emulated register's whole state apart from the paper tape. Each command
// loads it (when another process changed it), changes it and stores it back in
// one transaction.

#include <QJsonObject>
#include <QString>
#include <QVariant>

#include <map>
#include <tuple>
#include <vector>

namespace emu {

// The next 'remaining' calls of a method (or of any method, "*") answer 'code'.
struct Fault {
    QString method;
    int code = 0;
    int remaining = 0;
};

struct TableKey {
    int table = 0, row = 0, field = 0;
    auto operator<=>(const TableKey &) const = default;
};

struct RegisterState {
    int modelId = 0;
    QString serialNumber;          // factory number
    int ecrMode = 4;               // closed shift
    int advancedMode = 0;
    int modeStatus = 0;
    int previousMode = 0;
    int logicalNumber = 1;
    int sessionNumber = 0;         // last closed shift
    int documentNumber = 0;        // last document
    qint64 clockOffsetMs = 0;      // register clock minus host clock
    bool paperOut = false;
    bool drawerOpen = false;
    bool lidOpen = false;
    bool pointPosition = true;
    int lastPrintResult = 0;
    QString inn;
    std::map<TableKey, QVariant> tableValues; // values that differ from the factory's
    std::map<int, qint64> cashRegisters;      // Currency
    std::map<int, qint64> operationRegisters;
    std::vector<Fault> faults;
    // State of later subsystems (fiscal drive, documents ...) kept by their
    // own code under their own keys.
    QJsonObject sections;

    QJsonObject toJson() const;
    static RegisterState fromJson(const QJsonObject &o);
};

} // namespace emu
