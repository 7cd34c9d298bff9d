#include "wizard/registration/WizardFileDialogs.h"

#include <QDir>
#include <QFileDialog>

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
