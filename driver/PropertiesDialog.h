#pragma once
// The component's own settings dialog (ShowProperties).

#include "driver/ResultCodes.h"

class TKassio;

namespace kassio {

// Shows the dialog modally over the active window; saves the settings and
// applies them to the instance on OK. Returns 0 (OK or Cancel), or
// rc::NoUserInterface without showing anything.
int showPropertiesDialog(TKassio &driver);

} // namespace kassio
