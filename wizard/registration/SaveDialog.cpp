#include "wizard/registration/SaveDialog.h"
#include "wizard/shell/WizardErrors.h"

#include <QFileDialog>
#include <QSaveFile>
#include <QStringList>

namespace {

TWizardSaveResponder &responder()
{
    static TWizardSaveResponder r;
    return r;
}

} // namespace

void SetWizardSaveResponder(TWizardSaveResponder r)
{
    responder() = std::move(r);
}

QString WizardSaveFileName(QWidget *parent, const QString &offered)
{
    if (responder())
        return responder()(offered);
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({QStringLiteral("*.txt (*.txt)"), QStringLiteral("*.* (*)")});
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.selectFile(offered);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
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
