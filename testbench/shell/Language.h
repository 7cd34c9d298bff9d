#pragma once
// The test bench's language: "RU" (the source texts) or "EN", kept in
// locale.ini in the per-user folder, section [Locale], key Lang.

#include <QString>

// The code cached for this process; the first call reads locale.ini.
// A missing file or any value other than "RU" and "EN" gives "RU".
QString GetLanguage();
// Writes the code at once; the cached code stays, so the change takes
// effect at the next start.
void SetLanguage(const QString &code);
// Installs the catalogue of GetLanguage() into the application (once; later
// calls only follow a changed cached code).
void BindCatalogue();
// Test seam: forget the cached code, as a new process would.
void ForgetCachedLanguage();
