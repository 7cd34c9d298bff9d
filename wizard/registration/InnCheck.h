#pragma once
// Check digits of the taxpayer number (INN): 10 digits for an organisation,
// 12 for a person. The registration number check is IsValidRNM in
// common/RegistrationNumber.h.

#include <QString>

// The check digit at position n (10, 11 or 12) of text: the first n - 1
// digits times their weights, summed, modulo 11, modulo 10. A character that
// is not a digit 0-9 among them, a text shorter than n - 1 or another n raise
// ERegDataError.
int INNCheckDigit(int n, const QString &text);

// True when text is 10 characters with its tenth the check digit, or 12 with
// the eleventh and twelfth both right; any other length is false. A non-digit
// among the digits that carry weight raises ERegDataError (the OFD page tells
// that apart from a wrong check digit).
bool IsValidINN(const QString &text);
