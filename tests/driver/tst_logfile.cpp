#include "driver/Helpers.h"
#include "driver/LogFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>
#include <memory>
#include <vector>

namespace {

QByteArray fileBytes(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<QByteArray> fileLines(const QString &name)
{
    QList<QByteArray> lines = fileBytes(name).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

const QDateTime kStamp(QDate(2023, 12, 31), QTime(23, 59, 59, 7));

} // namespace

class TestLogFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void defaultsWriteNothing();
    void lineFormat_data();
    void lineFormat();
    void oneClockReadingPerLine();
    void threadsWriteWholeLines();
    void rotationKeepsThreeFiles();
    void noRotationWithoutFileCount();
    void largeSizeLimitDoesNotOverflow_data();
    void largeSizeLimitDoesNotOverflow();
    void failedRenameKeepsTheLog();
    void lostLineThenReopen();
    void newFileNameClosesTheOldFile();

private:
    QString logName() const { return m_dir->filePath(QStringLiteral("a.log")); }
    QString rotated(int n) const { return logName() + QStringLiteral(".%1.log").arg(n); }
    // A logger writing to a.log in the test's folder.
    std::unique_ptr<TLogFile> makeLog(int maxFileSize = 0, int maxFileCount = 0) const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestLogFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestLogFile::cleanup()
{
    FreeLogFile();
    m_dir.reset();
}

std::unique_ptr<TLogFile> TestLogFile::makeLog(int maxFileSize, int maxFileCount) const
{
    auto log = std::make_unique<TLogFile>();
    log->SetFileName(logName());
    log->SetMaxFileSize(maxFileSize);
    log->SetMaxFileCount(maxFileCount);
    log->SetEnabled(true);
    return log;
}

void TestLogFile::defaultsWriteNothing()
{
    const QString savedDir = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    const auto restore = qScopeGuard([&] { QDir::setCurrent(savedDir); });

    TLogFile *global = GlobalLogger();
    QVERIFY(!global->Enabled());
    QVERIFY(global->FileName().isEmpty());
    for (int i = 0; i < 1000; ++i)
        global->Info(QStringLiteral("line %1").arg(i));
    TLogger(QStringLiteral("Search")).Info(QStringLiteral("found"));

    // A file name alone does not switch it on.
    global->SetFileName(logName());
    global->Error(QStringLiteral("nothing"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void TestLogFile::lineFormat_data()
{
    QTest::addColumn<int>("call");
    QTest::addColumn<QByteArray>("tail"); // after the thread id
    QTest::newRow("trace") << 0 << QByteArray("[TRACE] go");
    QTest::newRow("info") << 1 << QByteArray("[ INFO] go");
    QTest::newRow("error") << 2 << QByteArray("[ERROR] go");
    QTest::newRow("debug") << 3 << QByteArray("[DEBUG] go");
    QTest::newRow("error with exception") << 4 << QByteArray("[ERROR] go port closed");
    QTest::newRow("logger info") << 5 << QByteArray("[ INFO] COM3 go");
    QTest::newRow("logger debug") << 6 << QByteArray("[DEBUG] COM3 go");
    QTest::newRow("logger error") << 7 << QByteArray("[ERROR] COM3 go");
    QTest::newRow("logger error with exception") << 8 << QByteArray("[ERROR] COM3 go (port closed)");
    QTest::newRow("code page 1251") << 9 << QByteArray("[ INFO] \xCF\xEE\xF0\xF2 \x88 ?");
}

void TestLogFile::lineFormat()
{
    QFETCH(int, call);
    QFETCH(QByteArray, tail);

    TLogFile *log = GlobalLogger();
    log->SetFileName(logName());
    log->SetEnabled(true);
    log->SetClock([] { return kStamp; });
    const QString go = QStringLiteral("go");
    const std::runtime_error failure("port closed");
    const TLogger logger(QStringLiteral("COM3"));
    switch (call) {
    case 0: log->Trace(go); break;
    case 1: log->Info(go); break;
    case 2: log->Error(go); break;
    case 3: log->Debug(go); break;
    case 4: log->Error(go, failure); break;
    case 5: logger.Info(go); break;
    case 6: logger.Debug(go); break;
    case 7: logger.Error(go); break;
    case 8: logger.Error(go, &failure); break;
    case 9: log->Info(QStringLiteral("Порт € ✓")); break;
    }
    FreeLogFile(); // closes the file

    const QByteArray written = fileBytes(logName());
    static const QRegularExpression shape(
        QStringLiteral("^\\[31\\.12\\.2023 23:59:59\\.007\\] \\[(\\d{8,})\\] (.*)\r\n$"),
        QRegularExpression::DotMatchesEverythingOption);
    const auto match = shape.match(QString::fromLatin1(written));
    QVERIFY2(match.hasMatch(), written.constData());
    QCOMPARE(match.captured(2).toLatin1(), tail);
}

// Date and time of a line come from one reading of the clock: a line written
// across midnight cannot carry the old date with the new time.
void TestLogFile::oneClockReadingPerLine()
{
    auto log = makeLog();
    int readings = 0;
    const QDateTime beforeMidnight(QDate(2024, 2, 28), QTime(23, 59, 59, 999));
    log->SetClock([&] { return beforeMidnight.addMSecs(readings++); });
    log->Info(QStringLiteral("first"));
    log->Info(QStringLiteral("second"));
    QCOMPARE(readings, 2);
    log.reset();

    const QList<QByteArray> lines = fileLines(logName());
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines[0].startsWith("[28.02.2024 23:59:59.999] "), lines[0].constData());
    QVERIFY2(lines[1].startsWith("[29.02.2024 00:00:00.000] "), lines[1].constData());
}

void TestLogFile::threadsWriteWholeLines()
{
    auto log = makeLog();
    constexpr int threadCount = 4;
    constexpr int linesPerThread = 500;
    std::vector<std::unique_ptr<QThread>> threads;
    for (int t = 0; t < threadCount; ++t) {
        threads.emplace_back(QThread::create([&log, t] {
            for (int i = 0; i < linesPerThread; ++i)
                log->Info(QStringLiteral("thread %1 line %2 %3").arg(t).arg(i).arg(QString(40, QLatin1Char('x'))));
        }));
        threads.back()->start();
    }
    for (auto &thread : threads)
        QVERIFY(thread->wait(30000));
    log.reset();

    static const QRegularExpression shape(
        QStringLiteral("^\\[\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d\\.\\d{3}\\] \\[(\\d{8,})\\] \\[ INFO\\] thread (\\d) line \\d+ x{40}\r$"));
    QHash<QString, QString> idOfThread;
    const QList<QByteArray> lines = fileLines(logName());
    QCOMPARE(lines.size(), threadCount * linesPerThread);
    for (const QByteArray &line : lines) {
        const auto match = shape.match(QString::fromLatin1(line));
        QVERIFY2(match.hasMatch(), line.constData());
        const QString id = idOfThread.value(match.captured(2), match.captured(1));
        QCOMPARE(match.captured(1), id); // one writer, one id
        idOfThread.insert(match.captured(2), id);
    }
    QCOMPARE(idOfThread.size(), threadCount);
    QCOMPARE(QSet<QString>(idOfThread.cbegin(), idOfThread.cend()).size(), threadCount);
}

// With 1 MiB and three files: the line that crosses the limit ends the old
// file, and the rotated files shift by one, the oldest being dropped.
void TestLogFile::rotationKeepsThreeFiles()
{
    auto log = makeLog(1, 3);
    const QString filler(1000, QLatin1Char('z'));
    QByteArray lastLine;
    int generation = 0;
    while (generation < 4) {
        lastLine = QStringLiteral("gen %1 %2").arg(generation).arg(filler).toLatin1();
        log->Info(QString::fromLatin1(lastLine));
        if (QFileInfo(logName()).size() == 0) {
            // Just rotated: the crossing line is the last one of the newest file.
            QVERIFY(QFileInfo(rotated(1)).size() > 1024 * 1024);
            QVERIFY(fileBytes(rotated(1)).endsWith(lastLine + "\r\n"));
            ++generation;
        }
    }
    log->Info(QStringLiteral("gen 4"));
    log.reset();

    const auto generationOf = [](const QString &name) {
        const QList<QByteArray> lines = fileLines(name);
        QSet<QByteArray> generations;
        for (const QByteArray &line : lines)
            generations.insert(line.mid(line.indexOf("gen "), 5));
        return generations;
    };
    QCOMPARE(generationOf(logName()), QSet<QByteArray>{"gen 4"});
    QCOMPARE(generationOf(rotated(1)), QSet<QByteArray>{"gen 3"});
    QCOMPARE(generationOf(rotated(2)), QSet<QByteArray>{"gen 2"});
    QCOMPARE(generationOf(rotated(3)), QSet<QByteArray>{"gen 1"});
    QVERIFY(!QFileInfo::exists(rotated(4)));
}

void TestLogFile::noRotationWithoutFileCount()
{
    auto log = makeLog(1, 0);
    const QString filler(1000, QLatin1Char('z'));
    for (int i = 0; i < 1200; ++i)
        log->Info(filler);
    log.reset();
    QVERIFY(QFileInfo(logName()).size() > 1024 * 1024);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("a.log")});
}

void TestLogFile::largeSizeLimitDoesNotOverflow_data()
{
    QTest::addColumn<int>("mebibytes");
    QTest::newRow("2 GiB") << 2048;
    QTest::newRow("4 GiB") << 4096;
    QTest::newRow("largest") << std::numeric_limits<int>::max();
}

void TestLogFile::largeSizeLimitDoesNotOverflow()
{
    QFETCH(int, mebibytes);
    auto log = makeLog(mebibytes, 3);
    for (int i = 0; i < 3; ++i)
        log->Info(QStringLiteral("line %1").arg(i));
    log.reset();
    QCOMPARE(fileLines(logName()).size(), 3);
    QVERIFY(!QFileInfo::exists(rotated(1)));
}

// When the log cannot be moved aside, it is continued, never emptied; the next
// rotation that can move it does so.
void TestLogFile::failedRenameKeepsTheLog()
{
    QVERIFY(QDir().mkpath(rotated(1) + QStringLiteral("/blocker")));
    auto log = makeLog(1, 1);
    const QString filler(1000, QLatin1Char('z'));
    const int written = 1100; // past 1 MiB
    for (int i = 0; i < written; ++i)
        log->Info(filler);
    QVERIFY(QFileInfo(rotated(1)).isDir());
    QCOMPARE(fileLines(logName()).size(), written);

    QVERIFY(QDir(rotated(1)).removeRecursively());
    log->Info(QStringLiteral("last"));
    log.reset();
    QCOMPARE(fileLines(rotated(1)).size(), written + 1);
    QCOMPARE(QFileInfo(logName()).size(), 0);
}

void TestLogFile::lostLineThenReopen()
{
    const QString folder = m_dir->filePath(QStringLiteral("outer/inner"));
    const QString name = folder + QStringLiteral("/b.log");
    TLogFile log;
    log.SetFileName(name);
    log.SetEnabled(true);
    log.Info(QStringLiteral("lost")); // only one folder level is created
    QVERIFY(!QFileInfo::exists(name));

    QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("outer"))));
    log.Info(QStringLiteral("kept"));
    log.SetEnabled(false);
    const QList<QByteArray> lines = fileLines(name);
    QCOMPARE(lines.size(), 1);
    QVERIFY(lines[0].endsWith("[ INFO] kept\r"));
}

void TestLogFile::newFileNameClosesTheOldFile()
{
    auto log = makeLog();
    log->Info(QStringLiteral("one"));
    const QString other = m_dir->filePath(QStringLiteral("b.log"));
    log->SetFileName(other);
    log->Info(QStringLiteral("two"));
    log->SetFileName(logName());
    log->Info(QStringLiteral("three")); // continues the first file
    log.reset();
    QCOMPARE(fileLines(logName()).size(), 2);
    QCOMPARE(fileLines(other).size(), 1);
}

QTEST_GUILESS_MAIN(TestLogFile)
#include "tst_logfile.moc"
