#pragma once
// A small thread-safe text log with size-based rotation, shared by both
// programs through GlobalLogger(). It starts disabled and without a file name,
// so every call returns without writing until someone switches it on.
//
// One line a message, in code page 1251, ended by CR LF:
//   [dd.mm.yyyy hh:nn:ss.zzz] [tttttttt] [ INFO] message
// Rotation keeps MaxFileCount older files named FileName + ".1.log" (newest)
// up to FileName + ".N.log".

#include <QDateTime>
#include <QFile>
#include <QRecursiveMutex>
#include <QString>

#include <exception>
#include <functional>

class TLogFile
{
public:
    TLogFile() = default;
    ~TLogFile();
    TLogFile(const TLogFile &) = delete;
    TLogFile &operator=(const TLogFile &) = delete;

    bool Enabled() const;
    void SetEnabled(bool value);       // a change closes the file
    QString FileName() const;
    void SetFileName(const QString &value); // a different name closes the file
    int MaxFileSize() const;           // MiB; 0 or less: no rotation
    void SetMaxFileSize(int value);
    int MaxFileCount() const;          // rotated files kept; 0 or less: no rotation
    void SetMaxFileCount(int value);

    void Trace(const QString &text);
    void Info(const QString &text);
    void Error(const QString &text);
    void Debug(const QString &text);
    // The text, a blank and the error's message.
    void Error(const QString &text, const std::exception &e);

    // Where the time stamps come from; tests set a fixed clock. Empty restores
    // the local clock.
    using Clock = std::function<QDateTime()>;
    void SetClock(Clock clock);

private:
    void Write(const char *tag, const QString &text);
    bool OpenFile();
    void CloseFile();
    void RollOver();

    mutable QRecursiveMutex FLock;
    QFile FFile;
    bool FEnabled = false;
    QString FFileName;
    int FMaxFileSize = 0;
    int FMaxFileCount = 0;
    Clock FClock;
};

// Puts its owner's name before every message of the global log.
class TLogger
{
public:
    explicit TLogger(const QString &name);

    void Debug(const QString &message) const;
    void Info(const QString &message) const;
    // Adds " (" + the error's message + ")" when an error is given.
    void Error(const QString &message, const std::exception *e = nullptr) const;

private:
    QString FName;
};

// The process-wide log, created on first use.
TLogFile *GlobalLogger();
// Destroys the global log; the next GlobalLogger() makes a fresh, disabled one.
void FreeLogFile();
