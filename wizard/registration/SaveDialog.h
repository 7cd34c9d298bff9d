#pragma once
// The save dialogs of the fiscal step pages ("*.txt" text files, asking
// before overwriting). Tests answer them through SetWizardSaveResponder
// instead of running a modal dialog.

#include <QString>

#include <functional>

class QWidget;

// Gets the offered file name; returns the chosen one, empty for Cancel.
using TWizardSaveResponder = std::function<QString(const QString &offered)>;
// None (the default) shows the real dialog.
void SetWizardSaveResponder(TWizardSaveResponder responder);

// The chosen file name, empty when the user cancelled.
QString WizardSaveFileName(QWidget *parent, const QString &offered = {});

// Writes lines ended by CR LF; raises EWizardError when the file cannot be
// written. The old file is replaced only once the new text is complete.
void WizardSaveLines(const QString &fileName, const QStringList &lines);
