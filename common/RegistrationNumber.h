#pragma once
// The register's registration number (RNM): its 10-digit number in the tax
// service's numbering followed by a 6-digit check part, the CRC-16/CCITT-FALSE
// of number (10) + user's INN (12) + register's serial number (20), each
// brought to its width with leading zeros, written in decimal with leading zeros.

#include <QString>

// What happens to a part longer than its width: the test bench's generator
// cuts it to its first characters, the wizard's check uses it whole.
enum class TRnmLongPart { Cut, Whole };

// The 6-digit check part (always starting with "0"). Empty parts count as zeros.
QString RNMCheckPart(const QString &number, const QString &inn, const QString &serial,
                     TRnmLongPart longPart = TRnmLongPart::Cut);

// The RNM of the test bench's generator: the number fitted to 10 characters,
// then the check part. Never fails.
QString GenerateRNM(const QString &number, const QString &inn, const QString &serial);

// The wizard's check: rnm is valid exactly when it equals the RNM made from
// its own first 10 characters, inn and serial (long parts used whole), so an
// RNM of other than 16 characters is invalid.
bool IsValidRNM(const QString &rnm, const QString &inn, const QString &serial);
