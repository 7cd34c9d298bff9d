#pragma once
// The open and save dialogs of the wizard's pages (OFD templates, X5 files).
// Tests answer them through SetWizardFileDialogResponder instead of a modal
// dialog.

#include <QString>

#include <functional>

class QWidget;

struct TWizardFileDialog
{
    bool save = false;        // a save dialog (asks before overwriting)
    QString folder;           // where the dialog opens
    QString fileName;         // the name it offers (save)
    QString filter;           // Qt filter text
    QString defaultSuffix;    // added to a name typed without extension
};

// Returns the chosen path, empty when cancelled.
using TWizardFileDialogResponder = std::function<QString(const TWizardFileDialog &)>;
// None (the default) shows real dialogs.
void SetWizardFileDialogResponder(TWizardFileDialogResponder responder);

QString WizardFileDialog(QWidget *parent, const TWizardFileDialog &request);

// The filters of the pages: "*.txt" or "*.xml" files, and all files.
QString WizardFileFilter(const QString &extension);

// The save dialog of a text report ("*.txt", asking before overwriting),
// offering a file name; empty when the user cancelled.
QString WizardSaveFileName(QWidget *parent, const QString &offered = {});

// Writes lines ended by CR LF; raises EWizardError when the file cannot be
// written. The old file is replaced only once the new text is complete.
void WizardSaveLines(const QString &fileName, const QStringList &lines);
