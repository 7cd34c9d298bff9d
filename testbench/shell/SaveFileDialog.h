#pragma once
// The save dialog of the pages that write a memo to a file. Tests choose the
// file in place of the user (SetSaveFileChooser), so no modal dialog runs.

#include <QString>

#include <functional>

class QWidget;

// Returns the chosen file, or "" when the user cancels. The real dialog asks
// before overwriting an existing file.
using TSaveFileChooser = std::function<QString(QWidget *parent, const QString &filter)>;
void SetSaveFileChooser(TSaveFileChooser chooser);

// Offers text files (*.txt) or all files (*.*).
QString ChooseTextFileToSave(QWidget *parent);

// Writes the lines, each ended by CR LF, in UTF-8. A failure raises
// EKassioError naming the file and the reason; the old file then stays as it was.
void SaveLinesToFile(const QString &fileName, const QStringList &lines);
