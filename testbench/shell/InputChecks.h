#pragma once
// Input checks shared by the pages. Each raises EKassioError with a message
// for the user's error box.

#include <QString>
#include <QtGlobal>

// Refuses a text longer than 1024 characters:
// Некорректное значение в поле "<field>".
void CheckIntStr(const QString &text, const QString &field);

// The integer written in text, or the conversion error.
int StrToInt(const QString &text);

// Amount text to Currency (the amount times 10 000). ',' counts as '.',
// blanks are ignored, the value is rounded to 0.01; a value that is not a
// finite number or whose magnitude is above 10995116277 is refused.
qint64 GetSumm(const QString &text, const QString &field);
