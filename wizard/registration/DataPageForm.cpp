#include "wizard/registration/DataPageForm.h"
#include "wizard/registration/InnCheck.h"
#include "wizard/shell/WizardErrors.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

QLineEdit *AddFormEdit(QFormLayout *form, const char *name, const QString &label, int maxLength,
                       const char *labelName)
{
    QWidget *parent = form->parentWidget();
    auto *caption = new QLabel(label, parent);
    if (labelName)
        caption->setObjectName(QLatin1String(labelName));
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    caption->setBuddy(edit);
    form->addRow(caption, edit);
    return edit;
}

QLabel *AddFormLabel(QFormLayout *form, const char *name, const QString &text)
{
    auto *label = new QLabel(text, form->parentWidget());
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    form->addRow(label);
    return label;
}

void RequireValue(const QString &text, const QString &name)
{
    if (text.trimmed().isEmpty())
        throw EWizardError(QStringLiteral("Введите значение \"%1\"!").arg(name));
}

bool IsValidSenderEmail(const QString &email)
{
    const qsizetype at = email.indexOf(u'@');
    return at > 0 && at < email.size() - 1;
}

void CheckSenderEmail(const QString &email)
{
    RequireValue(email, QStringLiteral("E-mail отправителя"));
    if (!IsValidSenderEmail(email))
        throw EWizardError(QStringLiteral("Введен некорректный E-mail отправителя"));
}

void SetEditEnabled(QLineEdit *edit, bool enabled)
{
    edit->setEnabled(enabled);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, enabled ? Qt::white : edit->palette().color(QPalette::Window));
    edit->setPalette(palette);
}

bool INNPasses(const QString &inn)
{
    try {
        return IsValidINN(inn);
    } catch (const EWizardError &) {
        return false;
    }
}
