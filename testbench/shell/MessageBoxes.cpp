#include "testbench/shell/MessageBoxes.h"

#include "testbench/shell/Translation.h"

namespace {

TMessageResponder &Responder()
{
    static TMessageResponder responder;
    return responder;
}

QMessageBox::Icon IconOf(TMessageKind kind)
{
    switch (kind) {
    case TMessageKind::Information: return QMessageBox::Information;
    case TMessageKind::Warning: return QMessageBox::Warning;
    case TMessageKind::Critical: return QMessageBox::Critical;
    case TMessageKind::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void SetMessageResponder(TMessageResponder responder)
{
    Responder() = std::move(responder);
}

QMessageBox::StandardButton ShowMessage(QWidget *parent, TMessageKind kind, const QString &title,
                                        const QString &text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton)
{
    if (Responder())
        return Responder()({kind, title, text, defaultButton});
    QMessageBox box(IconOf(kind), title, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void ShowErrorMessage(QWidget *parent, const QString &text)
{
    ShowMessage(parent, TMessageKind::Critical, ApplicationTitle(), text);
}

QString ApplicationTitle()
{
    return KassioTest::tr("Тест драйвера") + QLatin1Char(' ') + KassioTest::tr("кассовой техники");
}
