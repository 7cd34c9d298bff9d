#pragma once
// The component's own settings, shared by every program that uses it: the
// connection, the password and the port map. QSettings under the component's
// name (the registry on Windows, ~/.config/Veltra/KassioDriver.conf on Linux).

#include <QSettings>

#include <memory>

namespace kassio {

std::unique_ptr<QSettings> componentSettings();

} // namespace kassio
