#include "driver/LogFile.h"

#include "driver/Helpers.h"

#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QThread>

#include <memory>

#ifdef Q_OS_LINUX
#include <unistd.h>
#endif

namespace {

// The kernel's thread id on Linux (small, like the ids on Windows, where
// QThread already returns the system's thread id).
quint64 currentThreadId()
{
#ifdef Q_OS_LINUX
    return quint64(gettid());
#else
    return quint64(quintptr(QThread::currentThreadId()));
#endif
}

constexpr qint64 kMiB = 1024 * 1024;

} // namespace

TLogFile::~TLogFile()
{
    QMutexLocker lock(&FLock);
    CloseFile();
}

bool TLogFile::Enabled() const
{
    QMutexLocker lock(&FLock);
    return FEnabled;
}

void TLogFile::SetEnabled(bool value)
{
    QMutexLocker lock(&FLock);
    if (value == FEnabled)
        return;
    FEnabled = value;
    CloseFile();
}

QString TLogFile::FileName() const
{
    QMutexLocker lock(&FLock);
    return FFileName;
}

void TLogFile::SetFileName(const QString &value)
{
    QMutexLocker lock(&FLock);
    if (value == FFileName)
        return;
    FFileName = value;
    CloseFile();
}

int TLogFile::MaxFileSize() const
{
    QMutexLocker lock(&FLock);
    return FMaxFileSize;
}

void TLogFile::SetMaxFileSize(int value)
{
    QMutexLocker lock(&FLock);
    FMaxFileSize = value;
}

int TLogFile::MaxFileCount() const
{
    QMutexLocker lock(&FLock);
    return FMaxFileCount;
}

void TLogFile::SetMaxFileCount(int value)
{
    QMutexLocker lock(&FLock);
    FMaxFileCount = value;
}

void TLogFile::SetClock(Clock clock)
{
    QMutexLocker lock(&FLock);
    FClock = std::move(clock);
}

void TLogFile::Trace(const QString &text)
{
    Write("[TRACE] ", text);
}

void TLogFile::Info(const QString &text)
{
    Write("[ INFO] ", text);
}

void TLogFile::Error(const QString &text)
{
    Write("[ERROR] ", text);
}

void TLogFile::Debug(const QString &text)
{
    Write("[DEBUG] ", text);
}

void TLogFile::Error(const QString &text, const std::exception &e)
{
    Error(text + QLatin1Char(' ') + QString::fromUtf8(e.what()));
}

void TLogFile::Write(const char *tag, const QString &text)
{
    QMutexLocker lock(&FLock);
    if (!FEnabled)
        return;

    // Date and time from one reading, so a line written at midnight cannot
    // carry the old date with the new time.
    const QDateTime now = FClock ? FClock() : QDateTime::currentDateTime();
    const QString line = QStringLiteral("[%1] [%2] ")
                             .arg(now.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss.zzz")))
                             .arg(currentThreadId(), 8, 10, QLatin1Char('0'))
                         + QLatin1String(tag) + text + QStringLiteral("\r\n");
    const QByteArray bytes = ToCodePage1251(line);

    if (!FFile.isOpen() && !OpenFile())
        return;
    if (FFile.write(bytes) != bytes.size()) {
        // The line is lost; the next one opens the file again.
        CloseFile();
        return;
    }
    if (FMaxFileSize > 0 && FFile.size() > qint64(FMaxFileSize) * kMiB)
        RollOver();
}

bool TLogFile::OpenFile()
{
    if (FFileName.isEmpty())
        return false;
    const QString folder = QFileInfo(FFileName).absolutePath();
    if (!QFileInfo::exists(folder))
        QDir().mkdir(folder);
    FFile.setFileName(FFileName);
    // Append and never truncate: an existing log is continued.
    return FFile.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered);
}

void TLogFile::CloseFile()
{
    FFile.close();
}

void TLogFile::RollOver()
{
    const int count = FMaxFileCount;
    if (count <= 0)
        return;
    const auto rotated = [this](int n) {
        return FFileName + QLatin1Char('.') + QString::number(n) + QStringLiteral(".log");
    };
    QFile::remove(FFileName + QLatin1Char('.') + QString::number(count));
    QFile::remove(rotated(count));
    for (int n = count - 1; n >= 1; --n) {
        if (QFile::exists(rotated(n)))
            QFile::rename(rotated(n), rotated(n + 1));
    }
    CloseFile();
    // When the log cannot be moved aside, it is opened again and continued:
    // starting a fresh file under the same name would wipe it.
    QFile::rename(FFileName, rotated(1));
    OpenFile();
}

TLogger::TLogger(const QString &name)
    : FName(name)
{
}

void TLogger::Debug(const QString &message) const
{
    GlobalLogger()->Debug(FName + QLatin1Char(' ') + message);
}

void TLogger::Info(const QString &message) const
{
    GlobalLogger()->Info(FName + QLatin1Char(' ') + message);
}

void TLogger::Error(const QString &message, const std::exception *e) const
{
    QString text = FName + QLatin1Char(' ') + message;
    if (e)
        text += QStringLiteral(" (") + QString::fromUtf8(e->what()) + QLatin1Char(')');
    GlobalLogger()->Error(text);
}

namespace {
QMutex globalLoggerLock;
std::unique_ptr<TLogFile> globalLogger;
} // namespace

TLogFile *GlobalLogger()
{
    QMutexLocker lock(&globalLoggerLock);
    if (!globalLogger)
        globalLogger = std::make_unique<TLogFile>();
    return globalLogger.get();
}

void FreeLogFile()
{
    QMutexLocker lock(&globalLoggerLock);
    globalLogger.reset();
}
