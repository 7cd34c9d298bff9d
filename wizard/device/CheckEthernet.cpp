#include "wizard/device/CheckEthernet.h"

TfmCheckEthernet::TfmCheckEthernet() : TfmCheckLAN(QStringLiteral("Проверка связи по Ethernet")) {}
