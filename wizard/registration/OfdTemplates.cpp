#include "wizard/registration/OfdTemplates.h"

#include "wizard/registration/RegDataError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <array>

// Resources of a static library register only when asked to.
static void initShippedTemplates()
{
    Q_INIT_RESOURCE(ofdtemplates);
}

namespace {

const QString kRoot = QStringLiteral("OFDParams");
const QString kShippedTemplates = QStringLiteral(":/ofd-templates");
// The OFD whose template heads the list.
const QString kPreferredOfd = QStringLiteral("ЯРУС (ОФД-Я)");

// Element names and the template members they hold, in the file's order.
struct TElement
{
    const char16_t *name;
    QString TOfdTemplate::*value;
};
const std::array<TElement, 9> kElements = {{
    {u"OFDServer", &TOfdTemplate::OFDServer},
    {u"OFDPort", &TOfdTemplate::OFDPort},
    {u"OFDName", &TOfdTemplate::OFDName},
    {u"OFDUrl", &TOfdTemplate::OFDUrl},
    {u"INNOFD", &TOfdTemplate::INNOFD},
    {u"TaxOfficeURL", &TOfdTemplate::TaxOfficeURL},
    {u"ServerKM", &TOfdTemplate::ServerKM},
    {u"PortKM", &TOfdTemplate::PortKM},
    {u"SenderEmail", &TOfdTemplate::SenderEmail},
}};

QString templateFolderIn(const QString &dataFolder)
{
    return dataFolder + u'/' + OfdTemplateSubfolder();
}

// Each shipped template the folder lacks. NewOnly: a file of the same name
// that appeared meanwhile is the user's and stays.
void installShippedTemplates(const QString &folder)
{
    initShippedTemplates();
    const QFileInfoList shipped = QDir(kShippedTemplates).entryInfoList(QDir::Files);
    for (const QFileInfo &info : shipped) {
        QFile source(info.filePath());
        QFile target(folder + u'/' + info.fileName());
        if (source.open(QIODevice::ReadOnly) && target.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            target.write(source.readAll());
    }
}

// True when files can be created in the folder, which is made (with the
// shipped templates) when missing.
bool prepareFolder(const QString &folder)
{
    const bool existed = QFileInfo(folder).isDir();
    if (!existed && !QDir().mkpath(folder))
        return false;
    // A real write tells more than permission bits (an administrator's
    // account passes those, a read-only mount does not).
    QTemporaryFile probe(folder + QStringLiteral("/probe-XXXXXX"));
    if (!probe.open())
        return false;
    if (!existed)
        installShippedTemplates(folder);
    return true;
}

// The common application data folders: all data folders but the user's own.
QStringList commonTemplateFolders()
{
    QStringList folders;
    const QStringList dataFolders = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (qsizetype i = 1; i < dataFolders.size(); ++i)
        folders << templateFolderIn(dataFolders.at(i));
    return folders;
}

int portOf(const QString &text, const QString &element)
{
    if (text.trimmed().isEmpty())
        return 0;
    bool ok = false;
    const int port = text.trimmed().toInt(&ok);
    if (!ok || port < 0 || port > 65535)
        throw ERegDataError(QStringLiteral("Некорректное значение \"%1\" в шаблоне ОФД: %2").arg(element, text));
    return port;
}

QString portText(int port)
{
    return port == 0 ? QString() : QString::number(port);
}

} // namespace

QString DefaultTaxOfficeURL()
{
    return QStringLiteral("www.nalog.gov.ru");
}

QString OfdTemplateSubfolder()
{
    return QStringLiteral("TestKassio/Taxomat/Templates");
}

QString OfdTemplateFolder()
{
    for (const QString &folder : commonTemplateFolders()) {
        if (prepareFolder(folder))
            return folder;
    }
    const QString own = templateFolderIn(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    if (prepareFolder(own))
        return own;
    throw ERegDataError(QStringLiteral("Не удается создать папку шаблонов ОФД \"%1\"").arg(QDir::toNativeSeparators(own)));
}

QStringList OfdTemplateFiles()
{
    // The folder templates are saved to comes first: its file wins over one
    // of the same name elsewhere.
    QStringList folders = {OfdTemplateFolder()};
    folders << commonTemplateFolders();
    folders << templateFolderIn(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    folders.removeDuplicates();

    QStringList names;
    QStringList files;
    for (const QString &folder : folders) {
        const QFileInfoList entries =
            QDir(folder).entryInfoList({QStringLiteral("*.xml")}, QDir::Files | QDir::Readable, QDir::Name);
        for (const QFileInfo &entry : entries) {
            if (names.contains(entry.fileName(), Qt::CaseInsensitive))
                continue;
            names << entry.fileName();
            files << entry.filePath();
        }
    }
    std::stable_sort(files.begin(), files.end(), [](const QString &a, const QString &b) {
        return QFileInfo(a).fileName().compare(QFileInfo(b).fileName(), Qt::CaseInsensitive) < 0;
    });
    for (qsizetype i = files.size() - 1; i > 0; --i) {
        if (QFileInfo(files.at(i)).fileName().contains(kPreferredOfd)) {
            files.move(i, 0);
            break;
        }
    }
    return files;
}

TOfdTemplate ReadOfdTemplate(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw ERegDataError(QStringLiteral("Не удается открыть файл \"%1\": %2").arg(fileName, file.errorString()));

    QXmlStreamReader xml(&file);
    if (!xml.readNextStartElement() || xml.name() != kRoot) {
        if (!xml.hasError())
            throw ERegDataError(QStringLiteral("Файл \"%1\" не является шаблоном ОФД").arg(fileName));
    } else {
        TOfdTemplate tmpl;
        std::array<bool, kElements.size()> seen{};
        while (xml.readNextStartElement()) {
            // The first element of each name counts, as in a lookup by name.
            const auto it = std::find_if(kElements.begin(), kElements.end(), [&xml](const TElement &element) {
                return xml.name() == QStringView(element.name);
            });
            const auto index = std::size_t(it - kElements.begin());
            if (it == kElements.end() || seen[index]) {
                xml.skipCurrentElement();
                continue;
            }
            seen[index] = true;
            tmpl.*(it->value) = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
        // Read to the end: damage after the last element is damage too.
        while (!xml.atEnd())
            xml.readNext();
        if (!xml.hasError())
            return tmpl;
    }
    throw ERegDataError(QStringLiteral("Файл шаблона ОФД \"%1\" поврежден (строка %2): %3")
                            .arg(fileName)
                            .arg(xml.lineNumber())
                            .arg(xml.errorString()));
}

void WriteOfdTemplate(const QString &fileName, const TOfdTemplate &tmpl)
{
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly)) {
        QXmlStreamWriter xml(&file);
        xml.setAutoFormatting(true);
        xml.setAutoFormattingIndent(2);
        xml.writeStartDocument(QStringLiteral("1.0"));
        xml.writeStartElement(kRoot);
        for (const TElement &element : kElements)
            xml.writeTextElement(QString::fromUtf16(element.name), tmpl.*(element.value));
        xml.writeEndElement();
        xml.writeEndDocument();
        if (!xml.hasError() && file.commit())
            return;
    }
    throw ERegDataError(QStringLiteral("Не удается записать файл \"%1\": %2").arg(fileName, file.errorString()));
}

TOfdTemplate OfdTemplateOf(const TRegParams &params)
{
    TOfdTemplate tmpl;
    tmpl.OFDServer = params.OFDServer;
    tmpl.OFDPort = portText(params.OFDPort);
    tmpl.OFDName = params.OFDName;
    tmpl.OFDUrl = params.OFDUrl;
    tmpl.INNOFD = params.OFDINN;
    tmpl.TaxOfficeURL = params.TaxOfficeURL;
    tmpl.ServerKM = params.ServerKM;
    tmpl.PortKM = portText(params.PortKM);
    tmpl.SenderEmail = params.SenderEmail;
    return tmpl;
}

void ApplyOfdTemplate(const TOfdTemplate &tmpl, TRegParams &params)
{
    // Both ports are checked before anything is assigned.
    const int ofdPort = portOf(tmpl.OFDPort, QStringLiteral("OFDPort"));
    const int portKM = portOf(tmpl.PortKM, QStringLiteral("PortKM"));
    params.OFDServer = tmpl.OFDServer;
    params.OFDPort = ofdPort;
    params.OFDName = tmpl.OFDName;
    params.OFDUrl = tmpl.OFDUrl;
    params.OFDINN = tmpl.INNOFD;
    params.TaxOfficeURL = tmpl.TaxOfficeURL;
    params.ServerKM = tmpl.ServerKM;
    params.PortKM = portKM;
    params.SenderEmail = tmpl.SenderEmail;
}
