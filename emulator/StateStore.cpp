#include "emulator/StateStore.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <sqlite3.h>

namespace emu {
namespace {

struct Statement {
    sqlite3_stmt *stmt = nullptr;
    Statement(sqlite3 *db, const char *sql) { sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr); }
    ~Statement() { sqlite3_finalize(stmt); }
    explicit operator bool() const { return stmt != nullptr; }
};

void bindText(sqlite3_stmt *s, int i, const QString &t)
{
    const QByteArray u = t.toUtf8();
    sqlite3_bind_text(s, i, u.constData(), static_cast<int>(u.size()), SQLITE_TRANSIENT);
}

QString columnText(sqlite3_stmt *s, int i)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, i)), sqlite3_column_bytes(s, i));
}

} // namespace

StateStore::StateStore(const QString &path) : m_path(path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (sqlite3_open_v2(path.toUtf8().constData(), &m_db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX, nullptr) != SQLITE_OK) {
        m_error = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("нет памяти");
        sqlite3_close(m_db);
        m_db = nullptr;
        return;
    }
    sqlite3_busy_timeout(m_db, 10000);
    // WAL lets readers go on while a command writes; FULL makes each commit durable.
    // Switching a new file to WAL takes a lock the busy timeout does not wait
    // for: several processes opening the same new file retry here.
    bool wal = false;
    for (int attempt = 0; attempt < 200 && !(wal = exec("PRAGMA journal_mode=WAL")); ++attempt) {
        if (sqlite3_errcode(m_db) != SQLITE_BUSY && sqlite3_errcode(m_db) != SQLITE_LOCKED)
            break;
        QThread::msleep(50);
    }
    const bool ok = wal && exec("PRAGMA synchronous=FULL")
        && exec("CREATE TABLE IF NOT EXISTS state (id INTEGER PRIMARY KEY CHECK (id = 1), json BLOB NOT NULL)")
        && exec("CREATE TABLE IF NOT EXISTS tape (id INTEGER PRIMARY KEY AUTOINCREMENT, station TEXT NOT NULL,"
                " kind TEXT NOT NULL, text TEXT NOT NULL, font INTEGER NOT NULL DEFAULT 0)");
    if (!ok) {
        sqlite3_close(m_db);
        m_db = nullptr;
    }
}

StateStore::~StateStore()
{
    if (m_db)
        sqlite3_close(m_db);
}

bool StateStore::exec(const char *sql)
{
    char *err = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &err) != SQLITE_OK) {
        m_error = QString::fromUtf8(err ? err : sqlite3_errmsg(m_db));
        sqlite3_free(err);
        return false;
    }
    return true;
}

bool StateStore::begin() { return isOpen() && exec("BEGIN IMMEDIATE"); }

bool StateStore::commit()
{
    if (exec("COMMIT"))
        return true;
    rollback();
    return false;
}

void StateStore::rollback()
{
    if (isOpen())
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

bool StateStore::changedElsewhere()
{
    Statement st(m_db, "PRAGMA data_version");
    qint64 version = -2;
    if (st && sqlite3_step(st.stmt) == SQLITE_ROW)
        version = sqlite3_column_int64(st.stmt, 0);
    const bool changed = version != m_dataVersion;
    m_dataVersion = version;
    return changed;
}

std::optional<QByteArray> StateStore::loadState()
{
    Statement st(m_db, "SELECT json FROM state WHERE id = 1");
    if (!st || sqlite3_step(st.stmt) != SQLITE_ROW)
        return std::nullopt;
    return QByteArray(static_cast<const char *>(sqlite3_column_blob(st.stmt, 0)), sqlite3_column_bytes(st.stmt, 0));
}

bool StateStore::saveState(const QByteArray &json)
{
    Statement st(m_db, "INSERT OR REPLACE INTO state (id, json) VALUES (1, ?)");
    if (!st)
        return false;
    sqlite3_bind_blob(st.stmt, 1, json.constData(), static_cast<int>(json.size()), SQLITE_TRANSIENT);
    if (sqlite3_step(st.stmt) != SQLITE_DONE) {
        m_error = QString::fromUtf8(sqlite3_errmsg(m_db));
        return false;
    }
    return true;
}

bool StateStore::appendTape(const TapeLine &line)
{
    Statement st(m_db, "INSERT INTO tape (station, kind, text, font) VALUES (?, ?, ?, ?)");
    if (!st)
        return false;
    bindText(st.stmt, 1, line.station);
    bindText(st.stmt, 2, line.kind);
    bindText(st.stmt, 3, line.text);
    sqlite3_bind_int(st.stmt, 4, line.font);
    if (sqlite3_step(st.stmt) != SQLITE_DONE) {
        m_error = QString::fromUtf8(sqlite3_errmsg(m_db));
        return false;
    }
    return true;
}

std::vector<TapeLine> StateStore::tape(qint64 afterId, int limit)
{
    std::vector<TapeLine> lines;
    Statement st(m_db, "SELECT id, station, kind, text, font FROM tape WHERE id > ? ORDER BY id LIMIT ?");
    if (!st)
        return lines;
    sqlite3_bind_int64(st.stmt, 1, afterId);
    sqlite3_bind_int(st.stmt, 2, limit);
    while (sqlite3_step(st.stmt) == SQLITE_ROW)
        lines.push_back({sqlite3_column_int64(st.stmt, 0), columnText(st.stmt, 1), columnText(st.stmt, 2),
                         columnText(st.stmt, 3), sqlite3_column_int(st.stmt, 4)});
    return lines;
}

bool StateStore::clearTape() { return exec("DELETE FROM tape"); }

} // namespace emu
