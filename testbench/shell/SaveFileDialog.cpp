#include "testbench/shell/SaveFileDialog.h"

#include "driver/Helpers.h"
#include "testbench/shell/Translation.h"

#include <QFileDialog>
#include <QSaveFile>

namespace {

TSaveFileChooser &Chooser()
{
    static TSaveFileChooser chooser;
    return chooser;
}

} // namespace

void SetSaveFileChooser(TSaveFileChooser chooser)
{
    Chooser() = std::move(chooser);
}

QString ChooseTextFileToSave(QWidget *parent)
{
    const QString filter = KassioTest::tr("Текстовые файлы (*.txt)") + QStringLiteral(";;")
                           + KassioTest::tr("Все файлы (*.*)");
    if (Chooser())
        return Chooser()(parent, filter);
    return QFileDialog::getSaveFileName(parent, KassioTest::tr("Сохранить"), QString(), filter);
}

void SaveLinesToFile(const QString &fileName, const QStringList &lines)
{
    QSaveFile file(fileName);
    QByteArray data;
    for (const QString &line : lines)
        data += line.toUtf8() + "\r\n";
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        throw EKassioError(KassioTest::tr("Ошибка записи файла \"%1\": %2").arg(fileName, file.errorString()));
}
