#include "wizard/registration/WizardFileDialogs.h"

#include "wizard/shell/WizardErrors.h"

#include <QDir>
#include <QFileDialog>
#include <QSaveFile>
#include <QStringList>

namespace {

TWizardFileDialogResponder &responder()
{
    static TWizardFileDialogResponder r;
    return r;
}

} // namespace

void SetWizardFileDialogResponder(TWizardFileDialogResponder r)
{
    responder() = std::move(r);
}

QString WizardFileFilter(const QString &extension)
{
    return QStringLiteral("*.%1 (*.%1);;*.* (*)").arg(extension);
}

QString WizardFileDialog(QWidget *parent, const TWizardFileDialog &request)
{
    if (responder())
        return responder()(request);
    QFileDialog dialog(parent, QString(), request.folder, request.filter);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(QDir(request.folder).filePath(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString WizardSaveFileName(QWidget *parent, const QString &offered)
{
    TWizardFileDialog request;
    request.save = true;
    request.fileName = offered;
    request.filter = WizardFileFilter(QStringLiteral("txt"));
    request.defaultSuffix = QStringLiteral("txt");
    return WizardFileDialog(parent, request);
}

void WizardSaveLines(const QString &fileName, const QStringList &lines)
{
    QSaveFile file(fileName);
    QByteArray data;
    for (const QString &line : lines)
        data += line.toUtf8() + "\r\n";
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        throw EWizardError(QStringLiteral("Не удалось сохранить файл %1: %2").arg(fileName, file.errorString()));
}
