#pragma once
// What the registration data pages share: labelled edits in a form, the
// required-value and sender e-mail rules, and the enabled (white) or
// disabled (grey) look of an edit.

#include <QString>

class QFormLayout;
class QLabel;
class QLineEdit;
class QWidget;

// A label and an edit as one row of form; maxLength 0 keeps the default.
QLineEdit *AddFormEdit(QFormLayout *form, const char *name, const QString &label, int maxLength = 0,
                       const char *labelName = nullptr);
QLabel *AddFormLabel(QFormLayout *form, const char *name, const QString &text);

// Raises "Введите значение "<name>"!" when text is empty or blank.
void RequireValue(const QString &text, const QString &name);

// The sender address needs an "@" with at least one character before it and
// one after it.
bool IsValidSenderEmail(const QString &email);
// Required, then valid, else "Введен некорректный E-mail отправителя".
void CheckSenderEmail(const QString &email);

// IsValidINN where a text with a non-digit is simply not valid.
bool INNPasses(const QString &inn);

void SetEditEnabled(QLineEdit *edit, bool enabled);
