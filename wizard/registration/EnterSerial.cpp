#include "wizard/registration/EnterSerial.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/registration/DataPageForm.h"
#include "wizard/registration/KKTParamsX5.h"
#include "wizard/registration/SelectClientType.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/WizardMessages.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

QString readSerial()
{
    TKassio &d = WizardDriver();
    CheckResult(d.ReadSerialNumber());
    return d.SerialNumber;
}

bool acceptedSerialChar(QChar c)
{
    const char16_t u = c.unicode();
    return u == u'-' || u == u';' || (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= 97 && u <= 255);
}

} // namespace

bool IsSerialEntered(const QString &serial)
{
    for (QChar c : serial)
        if (c != u'0')
            return true;
    return false;
}

TfmEnterSerial::TfmEnterSerial() : TParamPage(QStringLiteral("Введите заводской номер"))
{
    auto *form = new QFormLayout(this);
    edtSerial = AddFormEdit(form, "edtSerial", QStringLiteral("Заводской номер:"), 20);
    edtSerial->installEventFilter(this);
    lblSerialEntered = AddFormLabel(form, "lblSerialEntered",
                                    QStringLiteral("Заводской номер уже введен. Нажмите \"Далее\""));
    lblSerialEntered->hide();
}

void TfmEnterSerial::FormShow()
{
    TDisconnectOnExit disconnect;
    const QString serial = readSerial();
    FEntered = IsSerialEntered(serial);
    lblSerialEntered->setVisible(FEntered);
    if (FEntered)
        edtSerial->setText(serial);
    SetEditEnabled(edtSerial, !FEntered);
}

void TfmEnterSerial::TakeScannedField()
{
    const QStringList fields = edtSerial->text().split(u';');
    if (fields.size() > 2)
        edtSerial->setText(fields.at(2));
}

bool TfmEnterSerial::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != edtSerial || event->type() != QEvent::KeyPress)
        return TParamPage::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        TakeScannedField();
        edtSerial->end(false);
        return true; // a scanner's Enter must not press next
    }
    if (key->key() == Qt::Key_Backspace)
        return false;
    const QString text = key->text();
    // Keys without a printable character (moves, shortcuts) keep their usual meaning.
    if (text.isEmpty() || !text.at(0).isPrint())
        return false;
    for (QChar c : text)
        if (!acceptedSerialChar(c))
            return true;
    return false;
}

void TfmEnterSerial::Next()
{
    TController &c = Controller();
    if (!FEntered && !edtSerial->text().isEmpty()) {
        TDisconnectOnExit disconnect;
        TakeScannedField();
        const QString current = readSerial();
        if (IsSerialEntered(current)) {
            // Entered meanwhile (another program, another wizard): never overwrite it.
            WizardMessage(this, TWizardMessageKind::Error, QStringLiteral("Заводской номер уже введен!\r\n") + current,
                          QMessageBox::Ok, QMessageBox::NoButton, QStringLiteral("Внимание"));
        } else {
            TKassio &d = WizardDriver();
            d.SerialNumber = edtSerial->text();
            CheckResult(d.SetSerialNumber());
            WizardMessage(this, TWizardMessageKind::Information,
                          QStringLiteral("Заводской номер успешно введен!\r\nПерезагрузите устройство"));
        }
    }
    if (c.X5Mode)
        c.SetNext<TfmKKTParamsX5>();
    else
        c.SetNext<TfmSelectClientType>();
}
