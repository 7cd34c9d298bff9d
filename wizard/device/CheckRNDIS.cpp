#include "wizard/device/CheckRNDIS.h"

TfmCheckRNDIS::TfmCheckRNDIS() : TfmCheckLAN(QStringLiteral("Проверка связи по RNDIS")) {}
