#include "driver/ComponentSettings.h"

namespace kassio {

std::unique_ptr<QSettings> componentSettings()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Veltra"),
                                       QStringLiteral("KassioDriver"));
}

} // namespace kassio
