#include "driver/ResultCodes.h"

namespace kassio {

QString linkErrorDescription(int code)
{
    switch (code) {
    case rc::NoLink: return QStringLiteral("Нет связи");
    case rc::PortUnavailable: return QStringLiteral("Нет связи: порт недоступен");
    case rc::PortBusy: return QStringLiteral("Нет связи: порт занят другим приложением");
    case rc::BadAnswer: return QStringLiteral("Нет связи: неверный формат ответа");
    case rc::ConnectionTypeUnsupported: return QStringLiteral("Тип подключения не поддерживается на этой платформе");
    case rc::LinkLost: return QStringLiteral("Нет связи: соединение разорвано");
    case rc::BadParameter: return QStringLiteral("Недопустимое значение параметра");
    case rc::NoUserInterface: return QStringLiteral("Диалог свойств недоступен: нет графического интерфейса");
    default: return QStringLiteral("Нет связи (код %1)").arg(code);
    }
}

} // namespace kassio
