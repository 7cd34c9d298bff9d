#include "emulator/EmulatedRegister.h"

#include "emulator/FiscalDrive.h"

#include <QJsonDocument>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <map>

namespace emu {
namespace {

const HandlerTable &handlers()
{
    static const HandlerTable table = [] {
        HandlerTable t;
        addStatusHandlers(t);
        addTableHandlers(t);
        addPrintHandlers(t);
        addServiceHandlers(t);
        addFnHandlers(t);
        addFnRegistrationHandlers(t);
        addFnCorrectionHandlers(t);
        return t;
    }();
    return table;
}

const ModelDef &modelOf(const RegisterState &s)
{
    const ModelDef *m = findModel(s.modelId);
    return m ? *m : *findModel(defaultModelId());
}

QString newSerialNumber()
{
    // Sixteen digits, as the register prints them.
    QString s = QStringLiteral("00");
    for (int i = 0; i < 14; ++i)
        s += QChar(u'0' + QRandomGenerator::global()->bounded(10));
    return s;
}

int operatorFor(int password) { return password >= 1 && password <= 30 ? password : 0; }

} // namespace

QDateTime Context::now() const
{
    return QDateTime::currentDateTime().addMSecs(state.clockOffsetMs);
}

bool Context::print(const QString &text, int font, const QString &station, const QString &kind)
{
    if (state.paperOut)
        return false;
    if (!store.appendTape({0, station, kind, text, font}))
        throw std::runtime_error(store.lastError().toStdString());
    return true;
}

const TableDef *Context::table(int number) const
{
    if (number < 1 || number > static_cast<int>(model.tables.size()))
        return nullptr;
    return &model.tables[static_cast<std::size_t>(number - 1)];
}

QVariant Context::tableValue(int t, int row, int field) const
{
    const auto it = state.tableValues.find({t, row, field});
    if (it != state.tableValues.end())
        return it->second;
    const TableDef *def = table(t);
    if (!def || field < 1 || field > static_cast<int>(def->fields.size()))
        return {};
    // The FN table shows the register's and the drive's factory numbers
    // until something else is written there.
    constexpr int KKTSerialField = 1, FNSerialField = 4;
    const ModelParamDef *fnTable = param(72);
    if (model.hasFiscalDrive && fnTable && fnTable->value.toInt() == t && row == 1) {
        if (field == KKTSerialField)
            return state.serialNumber;
        if (field == FNSerialField)
            return FiscalDrive::load(state, now()).serial;
    }
    return factoryValue(*def, row, field);
}

void Context::setTableValue(int t, int row, int field, const QVariant &value)
{
    state.tableValues[{t, row, field}] = value;
    changed();
}

const ModelParamDef *Context::param(int number) const
{
    for (const auto &p : model.params)
        if (p.number == number)
            return &p;
    return nullptr;
}

EmulatedRegister::EmulatedRegister(const QString &stateFile) : m_store(stateFile) {}

QString EmulatedRegister::defaultStateFile()
{
    const QByteArray env = qgetenv("KASSIO_EMULATOR_STATE");
    if (!env.isEmpty())
        return QString::fromLocal8Bit(env);
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/Veltra/Kassio/emulator.db");
}

std::shared_ptr<EmulatedRegister> EmulatedRegister::shared(const QString &stateFile)
{
    static std::mutex mutex;
    static std::map<QString, std::weak_ptr<EmulatedRegister>> registers;
    std::lock_guard lock(mutex);
    auto &slot = registers[stateFile];
    auto reg = slot.lock();
    if (!reg || !reg->isOpen()) {
        reg = std::make_shared<EmulatedRegister>(stateFile);
        slot = reg;
    }
    return reg;
}

QString EmulatedRegister::lastError() const
{
    std::lock_guard lock(m_mutex);
    return m_error;
}

RegisterState EmulatedRegister::initialState(int modelId)
{
    RegisterState s;
    s.modelId = findModel(modelId) ? modelId : defaultModelId();
    s.serialNumber = newSerialNumber();
    s.ecrMode = 4;
    s.previousMode = 4;
    s.pointPosition = true;
    if (modelOf(s).hasFiscalDrive)
        FiscalDrive::newDrive(QDateTime::currentDateTime()).store(s);
    return s;
}

bool EmulatedRegister::loadIfNeeded()
{
    if (m_loaded && !m_store.changedElsewhere())
        return true;
    if (!m_loaded)
        m_store.changedElsewhere(); // take the current version
    if (const auto json = m_store.loadState()) {
        QJsonParseError err;
        const QJsonDocument doc = QJsonDocument::fromJson(*json, &err);
        if (err.error != QJsonParseError::NoError || !doc.isObject()) {
            m_error = QStringLiteral("файл состояния повреждён: %1").arg(err.errorString());
            return false;
        }
        m_state = RegisterState::fromJson(doc.object());
    } else {
        m_state = initialState(defaultModelId());
        if (!m_store.saveState(QJsonDocument(m_state.toJson()).toJson(QJsonDocument::Compact)))
            return false;
    }
    m_loaded = true;
    return true;
}

bool EmulatedRegister::transact(const std::function<bool(RegisterState &)> &body)
{
    if (!m_store.isOpen()) {
        m_error = m_store.lastError();
        return false;
    }
    if (!m_store.begin()) {
        m_error = m_store.lastError();
        return false;
    }
    if (!loadIfNeeded()) {
        m_store.rollback();
        m_loaded = false;
        return false;
    }
    RegisterState working = m_state;
    bool save = false;
    try {
        save = body(working);
    } catch (const std::exception &e) {
        m_store.rollback();
        m_error = QString::fromUtf8(e.what());
        return false;
    }
    if (save && !m_store.saveState(QJsonDocument(working.toJson()).toJson(QJsonDocument::Compact))) {
        m_error = m_store.lastError();
        m_store.rollback();
        return false;
    }
    if (!m_store.commit()) {
        m_error = m_store.lastError();
        m_loaded = false; // what is on disk is unknown now
        return false;
    }
    m_state = std::move(working);
    return true;
}

kassio::Reply EmulatedRegister::execute(const kassio::Request &request)
{
    std::lock_guard lock(m_mutex);
    kassio::Reply reply;
    reply.sequence = request.sequence;
    reply.method = static_cast<std::uint16_t>(request.method);
    DeviceCall call(request.method, request.props);
    reply.operatorNumber = operatorFor(call.i(P::Password));

    int result = code::Ok;
    QString description;
    const bool done = transact([&](RegisterState &state) {
        Context ctx{state, call, modelOf(state), m_store, false, {}};
        const QString name = QString::fromLatin1(kassio::methodName(request.method).data(),
                                                 static_cast<qsizetype>(kassio::methodName(request.method).size()));
        for (auto it = state.faults.begin(); it != state.faults.end(); ++it) {
            if (it->method == name || it->method == u"*") {
                result = it->code;
                if (--it->remaining <= 0)
                    state.faults.erase(it);
                return true;
            }
        }
        if (const Handler *h = handlers().find(request.method))
            result = (*h)(ctx);
        else
            result = code::NotSupported;
        description = ctx.description;
        return ctx.dirty;
    });
    if (!done) {
        result = code::StorageFailure;
        description = QStringLiteral("Ошибка памяти ККТ: %1").arg(m_error);
    }
    reply.resultCode = result;
    reply.description = description.isEmpty() ? errorDescription(result) : description;
    if (done)
        reply.props = call.outputs();
    return reply;
}

bool EmulatedRegister::modify(const std::function<void(RegisterState &)> &change)
{
    std::lock_guard lock(m_mutex);
    return transact([&](RegisterState &s) {
        change(s);
        return true;
    });
}

bool EmulatedRegister::factoryReset(int modelId)
{
    std::lock_guard lock(m_mutex);
    return transact([&](RegisterState &s) {
        s = initialState(modelId ? modelId : s.modelId);
        m_store.clearTape();
        return true;
    });
}

bool EmulatedRegister::newFiscalDrive()
{
    return modify([](RegisterState &s) {
        s.sections.remove(QStringLiteral("fn"));
        if (modelOf(s).hasFiscalDrive)
            FiscalDrive::newDrive(QDateTime::currentDateTime().addMSecs(s.clockOffsetMs)).store(s);
        // The old drive's session ends with it.
        if (s.ecrMode == 2 || s.ecrMode == 3)
            s.ecrMode = 4;
    });
}

bool EmulatedRegister::injectFault(const QString &method, int code, int count)
{
    if (count <= 0)
        return true;
    return modify([&](RegisterState &s) { s.faults.push_back({method, code, count}); });
}

bool EmulatedRegister::setClockOffset(qint64 ms)
{
    return modify([&](RegisterState &s) { s.clockOffsetMs = ms; });
}

bool EmulatedRegister::setPaperOut(bool out)
{
    return modify([&](RegisterState &s) {
        s.paperOut = out;
        s.advancedMode = out ? 1 : 0;
    });
}

bool EmulatedRegister::clearTape()
{
    std::lock_guard lock(m_mutex);
    return transact([&](RegisterState &) {
        m_store.clearTape();
        return false;
    });
}

RegisterState EmulatedRegister::snapshot()
{
    std::lock_guard lock(m_mutex);
    transact([](RegisterState &) { return false; });
    return m_state;
}

std::vector<TapeLine> EmulatedRegister::tape(qint64 afterId)
{
    std::lock_guard lock(m_mutex);
    return m_store.tape(afterId);
}

QString tapeText(const std::vector<TapeLine> &lines)
{
    QStringList out;
    for (const auto &l : lines) {
        if (l.kind == u"text")
            out << l.text;
        else if (l.kind == u"feed")
            for (int i = 0; i < l.text.toInt(); ++i)
                out << QString();
        else
            out << QStringLiteral("[%1%2]").arg(l.kind, l.text.isEmpty() ? QString() : QStringLiteral(": ") + l.text);
    }
    return out.join(u'\n');
}

} // namespace emu
