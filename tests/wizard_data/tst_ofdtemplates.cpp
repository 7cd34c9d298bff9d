// OFD templates: the file round trip, damaged files, the record conversion,
// and the template folders (common data folder, the user's folder when the
// common one cannot be written, shipped defaults that never replace a file).

#include "wizard/registration/OfdTemplates.h"
#include "wizard/registration/RegDataError.h"

#include "KassioTestEnv.h"

#include <QtTest>

namespace {

const QString kYarus = QStringLiteral("ЯРУС (ОФД-Я).xml");

void writeFile(const QString &path, const QByteArray &data)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(data), data.size());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList fileNames(const QStringList &paths)
{
    QStringList names;
    for (const QString &path : paths)
        names << QFileInfo(path).fileName();
    return names;
}

} // namespace

class TestOfdTemplates : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void roundTrip();
    void missingElementsReadEmpty();
    void rejectsDamagedFile_data();
    void rejectsDamagedFile();
    void rejectsBadPort_data();
    void rejectsBadPort();
    void createsCommonFolderWithDefaults();
    void fallsBackToUserFolder();
    void fallsBackFromReadOnlyFolder();
    void keepsUserTemplates();
    void listsTemplates();

private:
    void useCommonFolder(const QString &folder);
    std::unique_ptr<KassioTestEnv> FEnv;
};

void TestOfdTemplates::init()
{
    // A fresh user data folder for each test; the common folder is chosen
    // by the test.
    FEnv = std::make_unique<KassioTestEnv>();
    useCommonFolder(FEnv->path(QStringLiteral("common")));
}

void TestOfdTemplates::useCommonFolder(const QString &folder)
{
    qputenv("XDG_DATA_DIRS", folder.toUtf8());
}

void TestOfdTemplates::roundTrip()
{
    TRegParams params;
    params.OFDServer = QStringLiteral("connect.ofd.example");
    params.OFDPort = 7779;
    params.OFDName = QStringLiteral("ООО \"Оператор & Ко\" <тест>");
    params.OFDUrl = QStringLiteral("www.ofd.example");
    params.OFDINN = QStringLiteral("0123456788");
    params.TaxOfficeURL = DefaultTaxOfficeURL();
    params.ServerKM = QStringLiteral("km.ofd.example");
    params.PortKM = 2003;
    params.SenderEmail = QStringLiteral("noreply@ofd.example");
    const QString path = FEnv->path(QStringLiteral("t.xml"));
    WriteOfdTemplate(path, OfdTemplateOf(params));

    const QByteArray data = readFile(path);
    QVERIFY(data.startsWith(R"(<?xml version="1.0" encoding="UTF-8"?>)"));
    QVERIFY(data.contains("\n  <OFDServer>connect.ofd.example</OFDServer>\n"));
    qsizetype last = 0;
    for (const char *element : {"OFDServer", "OFDPort", "OFDName", "OFDUrl", "INNOFD", "TaxOfficeURL", "ServerKM",
                                "PortKM", "SenderEmail"}) {
        const qsizetype at = data.indexOf(QByteArray("<") + element + ">");
        QVERIFY2(at > last, element);
        last = at;
    }

    TRegParams read;
    ApplyOfdTemplate(ReadOfdTemplate(path), read);
    QCOMPARE(read.OFDServer, params.OFDServer);
    QCOMPARE(read.OFDPort, params.OFDPort);
    QCOMPARE(read.OFDName, params.OFDName);
    QCOMPARE(read.OFDUrl, params.OFDUrl);
    QCOMPARE(read.OFDINN, params.OFDINN);
    QCOMPARE(read.TaxOfficeURL, params.TaxOfficeURL);
    QCOMPARE(read.ServerKM, params.ServerKM);
    QCOMPARE(read.PortKM, params.PortKM);
    QCOMPARE(read.SenderEmail, params.SenderEmail);
}

void TestOfdTemplates::missingElementsReadEmpty()
{
    const QString path = FEnv->path(QStringLiteral("partial.xml"));
    writeFile(path, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<OFDParams><Unknown>x</Unknown><OFDName>Первый</OFDName><OFDName>Второй</OFDName>"
                    "<PortKM> 2003 </PortKM></OFDParams>\n");
    TOfdTemplate expected;
    expected.OFDName = QStringLiteral("Первый");
    expected.PortKM = QStringLiteral(" 2003 ");
    QCOMPARE(ReadOfdTemplate(path), expected);

    TRegParams params;
    params.OFDPort = 5555;
    ApplyOfdTemplate(expected, params);
    QCOMPARE(params.OFDPort, 0); // an empty port is none
    QCOMPARE(params.PortKM, 2003);
}

void TestOfdTemplates::rejectsDamagedFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message"); // what the message starts with

    const QString damaged = QStringLiteral("Файл шаблона ОФД");
    QTest::newRow("empty file") << QByteArray() << damaged;
    QTest::newRow("cut short") << QByteArray("<?xml version=\"1.0\"?>\n<OFDParams>\n  <OFDName>Я") << damaged;
    QTest::newRow("not XML") << QByteArray("OFDServer=ofd.example\n") << damaged;
    QTest::newRow("damage after the elements")
        << QByteArray("<OFDParams><OFDName>x</OFDName></OFDParams><extra") << damaged;
    QTest::newRow("another root") << QByteArray("<Settings><OFDName>x</OFDName></Settings>")
                                  << QStringLiteral("Файл \"");
}

void TestOfdTemplates::rejectsDamagedFile()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    const QString path = FEnv->path(QStringLiteral("bad.xml"));
    writeFile(path, content);
    try {
        ReadOfdTemplate(path);
        QFAIL("the damaged file was read");
    } catch (const ERegDataError &e) {
        QVERIFY2(e.Message().startsWith(message) && e.Message().contains(path), qPrintable(e.Message()));
    }
}

void TestOfdTemplates::rejectsBadPort_data()
{
    QTest::addColumn<QString>("ofdPort");
    QTest::addColumn<QString>("portKM");

    QTest::newRow("OFD port not a number") << "77x9" << "";
    QTest::newRow("OFD port too large") << "65536" << "";
    QTest::newRow("marking port negative") << "7779" << "-1";
}

void TestOfdTemplates::rejectsBadPort()
{
    QFETCH(QString, ofdPort);
    QFETCH(QString, portKM);
    TOfdTemplate tmpl;
    tmpl.OFDName = QStringLiteral("новый");
    tmpl.OFDPort = ofdPort;
    tmpl.PortKM = portKM;

    TRegParams params;
    params.OFDName = QStringLiteral("прежний");
    params.OFDPort = 21101;
    QVERIFY_THROWS_EXCEPTION(ERegDataError, ApplyOfdTemplate(tmpl, params));
    QCOMPARE(params.OFDName, QStringLiteral("прежний"));
    QCOMPARE(params.OFDPort, 21101);
}

void TestOfdTemplates::createsCommonFolderWithDefaults()
{
    const QString expected = FEnv->path(QStringLiteral("common/TestKassio/Taxomat/Templates"));
    QCOMPARE(OfdTemplateFolder(), expected);
    const QStringList files = OfdTemplateFiles();
    QCOMPARE(fileNames(files), QStringList{kYarus});
    QCOMPARE(QFileInfo(files.first()).path(), expected);
    const TOfdTemplate shipped = ReadOfdTemplate(files.first());
    QCOMPARE(shipped.OFDName, QStringLiteral("ЯРУС (ОФД-Я)"));
    QCOMPARE(shipped.TaxOfficeURL, DefaultTaxOfficeURL());
    // The copy is the user's to change.
    WriteOfdTemplate(files.first(), TOfdTemplate());
}

void TestOfdTemplates::fallsBackToUserFolder()
{
    // A file where the common folder would be: no folder can be made there,
    // whatever the account's rights.
    const QString blocked = FEnv->path(QStringLiteral("blocked"));
    writeFile(blocked, "not a folder");
    useCommonFolder(blocked);

    const QString own = FEnv->path(QStringLiteral("data/TestKassio/Taxomat/Templates"));
    QCOMPARE(OfdTemplateFolder(), own);
    WriteOfdTemplate(own + QStringLiteral("/Мой.xml"), TOfdTemplate());
    QCOMPARE(fileNames(OfdTemplateFiles()), (QStringList{kYarus, QStringLiteral("Мой.xml")}));
}

void TestOfdTemplates::fallsBackFromReadOnlyFolder()
{
    // An administrator's folder the user may read but not write: its
    // templates are listed, new ones go to the user's folder.
    const QString common = FEnv->path(QStringLiteral("common/TestKassio/Taxomat/Templates"));
    writeFile(common + QStringLiteral("/Общий.xml"), "<OFDParams/>");
    QVERIFY(QFile::setPermissions(common, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
    if (QFile(common + QStringLiteral("/probe")).open(QIODevice::WriteOnly)) {
        QFile::remove(common + QStringLiteral("/probe"));
        QSKIP("this account writes into read-only folders");
    }

    const QString own = FEnv->path(QStringLiteral("data/TestKassio/Taxomat/Templates"));
    QCOMPARE(OfdTemplateFolder(), own);
    QCOMPARE(OfdTemplateFiles(), (QStringList{own + u'/' + kYarus, common + QStringLiteral("/Общий.xml")}));
    QVERIFY(QFile::setPermissions(common, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

void TestOfdTemplates::keepsUserTemplates()
{
    // A folder the user already has: the shipped template of the same name
    // does not replace the user's, and none is added.
    const QString folder = FEnv->path(QStringLiteral("common/TestKassio/Taxomat/Templates"));
    TOfdTemplate mine;
    mine.OFDName = QStringLiteral("ЯРУС (ОФД-Я)");
    mine.OFDServer = QStringLiteral("my.server.example");
    QVERIFY(QDir().mkpath(folder));
    WriteOfdTemplate(folder + u'/' + kYarus, mine);

    QCOMPARE(OfdTemplateFolder(), folder);
    QCOMPARE(OfdTemplateFiles(), QStringList{folder + u'/' + kYarus});
    QCOMPARE(ReadOfdTemplate(folder + u'/' + kYarus), mine);

    // A damaged template is not mended with the shipped one either.
    writeFile(folder + u'/' + kYarus, "<OFDParams>");
    OfdTemplateFiles();
    QCOMPARE(readFile(folder + u'/' + kYarus), QByteArray("<OFDParams>"));
}

void TestOfdTemplates::listsTemplates()
{
    const QString common = FEnv->path(QStringLiteral("common/TestKassio/Taxomat/Templates"));
    const QString own = FEnv->path(QStringLiteral("data/TestKassio/Taxomat/Templates"));
    for (const QString &name : {QStringLiteral("Бета.xml"), QStringLiteral("Альфа.xml"), kYarus,
                                QStringLiteral("readme.txt")})
        writeFile(common + u'/' + name, "<OFDParams/>");
    // The user's folder, listed too; a name the common folder has is
    // taken from the common folder, where templates are saved.
    writeFile(own + QStringLiteral("/Альфа.xml"), "<OFDParams/>");
    writeFile(own + QStringLiteral("/Гамма.xml"), "<OFDParams/>");

    const QStringList files = OfdTemplateFiles();
    QCOMPARE(files, (QStringList{common + u'/' + kYarus, common + QStringLiteral("/Альфа.xml"),
                                 common + QStringLiteral("/Бета.xml"), own + QStringLiteral("/Гамма.xml")}));
}

QTEST_GUILESS_MAIN(TestOfdTemplates)
#include "tst_ofdtemplates.moc"
