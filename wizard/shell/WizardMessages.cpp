#include "wizard/shell/WizardMessages.h"
#include "wizard/shell/WizardErrors.h"

namespace {

TWizardMessageResponder &responder()
{
    static TWizardMessageResponder r;
    return r;
}

QMessageBox::Icon iconOf(TWizardMessageKind kind)
{
    switch (kind) {
    case TWizardMessageKind::Information: return QMessageBox::Information;
    case TWizardMessageKind::Warning: return QMessageBox::Warning;
    case TWizardMessageKind::Error: return QMessageBox::Critical;
    case TWizardMessageKind::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void SetWizardMessageResponder(TWizardMessageResponder r)
{
    responder() = std::move(r);
}

QString WizardTitle()
{
    return QStringLiteral("Мастер фискализации");
}

QMessageBox::StandardButton WizardMessage(QWidget *parent, TWizardMessageKind kind, const QString &text,
                                          QMessageBox::StandardButtons buttons,
                                          QMessageBox::StandardButton defaultButton, const QString &title)
{
    if (responder())
        return responder()({kind, text, buttons, title});
    QMessageBox box(iconOf(kind), title, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void ShowWizardError(QWidget *parent, const QString &text)
{
    WizardMessage(parent, TWizardMessageKind::Error, text);
}

bool WizardGuarded(QWidget *parent, const std::function<void()> &body) noexcept
{
    try {
        body();
        return true;
    } catch (const EWizardAbort &) {
    } catch (const EWizardError &e) {
        ShowWizardError(parent, e.Message());
    } catch (const std::exception &e) {
        ShowWizardError(parent, QString::fromUtf8(e.what()));
    } catch (...) {
        ShowWizardError(parent, QStringLiteral("Неизвестная ошибка"));
    }
    return false;
}
