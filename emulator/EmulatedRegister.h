#pragma once
// The emulated fiscal register: answers the component's method calls from one
// model of a register kept in a state file. Every command is one transaction:
// atomic, durable, and safe with several processes using the same file.

#include "driver/FrameCodec.h"
#include "emulator/DeviceCall.h"
#include "emulator/DeviceCatalog.h"
#include "emulator/RegisterState.h"
#include "emulator/StateStore.h"

#include <QDateTime>

#include <array>
#include <functional>
#include <memory>
#include <mutex>

namespace emu {

// Device result codes the emulator itself relies on.
namespace code {
inline constexpr int Ok = 0;
inline constexpr int NoMoreData = 8;
inline constexpr int BadParameter = 33;      // wrong parameter value
inline constexpr int NotSupported = 55;
inline constexpr int BadMode = 115;          // command not allowed in this mode
inline constexpr int NoReceiptPaper = 107;
inline constexpr int NoSuchTable = 93;
inline constexpr int StorageFailure = 254;
} // namespace code

class EmulatedRegister;

// What a handler works with during one command.
struct Context {
    RegisterState &state;
    DeviceCall &call;
    const ModelDef &model;
    StateStore &store;
    bool dirty = false;          // state changed: store it
    QString description;         // replaces the code's standard text when set

    QDateTime now() const;       // the register's clock
    void changed() { dirty = true; }
    // Appends to the paper tape; false when the paper is out (the command
    // should then answer NoReceiptPaper).
    bool print(const QString &text, int font = 1, const QString &station = QStringLiteral("receipt"),
               const QString &kind = QStringLiteral("text"));

    const TableDef *table(int number) const;
    QVariant tableValue(int table, int row, int field) const;
    void setTableValue(int table, int row, int field, const QVariant &value);
    const ModelParamDef *param(int number) const;
};

using Handler = std::function<int(Context &)>;

class HandlerTable
{
public:
    void add(MethodId id, Handler h) { m_handlers[static_cast<std::size_t>(id)] = std::move(h); }
    const Handler *find(MethodId id) const
    {
        const auto &h = m_handlers[static_cast<std::size_t>(id)];
        return h ? &h : nullptr;
    }

private:
    std::array<Handler, kassio::MethodCount> m_handlers;
};

// Each group of commands registers its handlers here (handlers/*.cpp).
void addStatusHandlers(HandlerTable &t);
void addTableHandlers(HandlerTable &t);
void addPrintHandlers(HandlerTable &t);
void addServiceHandlers(HandlerTable &t);
void addFnHandlers(HandlerTable &t);
void addFnRegistrationHandlers(HandlerTable &t);
void addFnCorrectionHandlers(HandlerTable &t);

class EmulatedRegister
{
public:
    explicit EmulatedRegister(const QString &stateFile);

    // The state file of the built-in emulator: the user's data folder, or
    // KASSIO_EMULATOR_STATE when set.
    static QString defaultStateFile();
    // One register per state file in a process, shared by every link to it.
    static std::shared_ptr<EmulatedRegister> shared(const QString &stateFile);

    bool isOpen() const { return m_store.isOpen(); }
    QString stateFile() const { return m_store.path(); }
    QString lastError() const;

    kassio::Reply execute(const kassio::Request &request);

    // Service actions, each one transaction.
    bool factoryReset(int modelId = 0); // 0 keeps the current model
    bool newFiscalDrive(); // a fresh drive, ready for fiscalization (none for models without one)
    bool injectFault(const QString &method, int code, int count);
    bool setClockOffset(qint64 ms);
    bool setPaperOut(bool out);
    bool clearTape();
    // Any other change, as one transaction.
    bool modify(const std::function<void(RegisterState &)> &change);

    RegisterState snapshot();
    std::vector<TapeLine> tape(qint64 afterId = 0);

    // A brand-new register of a model: factory tables, a new factory number.
    static RegisterState initialState(int modelId);

private:
    bool loadIfNeeded();
    bool transact(const std::function<bool(RegisterState &)> &body);

    mutable std::mutex m_mutex;
    StateStore m_store;
    RegisterState m_state;
    bool m_loaded = false;
    QString m_error;
};

// Text of the state file's tape, one line a printed line, as the tape shows it.
QString tapeText(const std::vector<TapeLine> &lines);

} // namespace emu
