#pragma once
// OFD templates: small XML files (root "OFDParams") that hold the OFD page's
// nine values for one OFD, kept in the common application data folder so
// that every user of the computer sees them. The program ships default
// templates as resources and copies them into a template folder it creates;
// a file that already exists there is never replaced.
//
// Errors raise ERegDataError with a message for the user; a failed read
// changes nothing, a failed write leaves the previous file as it was.

#include "wizard/shell/RegParams.h"

#include <QString>
#include <QStringList>

// The nine values as the OFD page shows them, in the file's element order.
struct TOfdTemplate
{
    QString OFDServer;
    QString OFDPort;
    QString OFDName;
    QString OFDUrl;
    QString INNOFD;
    QString TaxOfficeURL;
    QString ServerKM;
    QString PortKM;
    QString SenderEmail;

    bool operator==(const TOfdTemplate &) const = default;
};

// The tax authority's site the OFD page offers and warns about.
QString DefaultTaxOfficeURL();

// The part of the template folder below an application data folder.
QString OfdTemplateSubfolder(); // "TestKassio/Taxomat/Templates"

// The folder where templates are saved and the file dialogs open: the first
// common application data folder where the template folder exists or can be
// made and written, else the user's own data folder. Created with the
// shipped templates when missing. Raises when no folder can be made.
QString OfdTemplateFolder();

// The "*.xml" files of the template folders (the common ones and the
// user's), each file name once, sorted by name, with the template of
// "ЯРУС (ОФД-Я)" first. Folders that do not exist are skipped.
QStringList OfdTemplateFiles();

// The template in a file. A missing element reads as empty. A file that
// cannot be read, is not well-formed XML or has no "OFDParams" root raises.
TOfdTemplate ReadOfdTemplate(const QString &fileName);

// Writes the template (UTF-8, indented), replacing the file only when all of
// it has been written.
void WriteOfdTemplate(const QString &fileName, const TOfdTemplate &tmpl);

// The template of the record's values (a port of 0 is left empty) and the
// record's values of a template. An empty port gives 0; a port that is not a
// number from 0 to 65535 raises and leaves the record as it was.
TOfdTemplate OfdTemplateOf(const TRegParams &params);
void ApplyOfdTemplate(const TOfdTemplate &tmpl, TRegParams &params);
