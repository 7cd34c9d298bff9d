#pragma once
// The register's state file: SQLite, one transaction per command, safe to use
// from several processes at once (each command takes the write lock first).

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

struct sqlite3;

namespace emu {

struct TapeLine {
    qint64 id = 0;
    QString station;   // "receipt", "journal", "slip"
    QString kind;      // "text", "feed", "cut", "image" ...
    QString text;
    int font = 0;
};

class StateStore
{
public:
    explicit StateStore(const QString &path);
    ~StateStore();
    StateStore(const StateStore &) = delete;
    StateStore &operator=(const StateStore &) = delete;

    bool isOpen() const { return m_db != nullptr; }
    QString path() const { return m_path; }
    QString lastError() const { return m_error; }

    // Starts a write transaction; waits up to a few seconds for another process.
    bool begin();
    bool commit();
    void rollback();

    // Changes since this connection last looked (another process committed).
    bool changedElsewhere();

    std::optional<QByteArray> loadState();
    bool saveState(const QByteArray &json);

    bool appendTape(const TapeLine &line);
    std::vector<TapeLine> tape(qint64 afterId = 0, int limit = -1);
    bool clearTape();

private:
    bool exec(const char *sql);
    sqlite3 *m_db = nullptr;
    QString m_path;
    QString m_error;
    qint64 m_dataVersion = -1;
};

} // namespace emu
