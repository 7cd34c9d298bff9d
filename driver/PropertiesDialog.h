#pragma once
// The component's own settings dialog (ShowProperties).

class TKassio;

namespace kassio {

namespace rc {
// No dialog can be shown: no QApplication, or not its thread.
// Belongs with the other component codes in ResultCodes.h.
inline constexpr int NoUserInterface = -8;
} // namespace rc

// Shows the dialog modally over the active window; saves the settings and
// applies them to the instance on OK. Returns 0 (OK or Cancel), or
// rc::NoUserInterface without showing anything.
int showPropertiesDialog(TKassio &driver);

} // namespace kassio
