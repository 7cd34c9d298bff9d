#include "testbench/pages/fn/FnCodes.h"

#include "testbench/shell/Translation.h"

#include <algorithm>

namespace {

struct TCodeName
{
    int code;
    const char *text;
};

QString Lookup(std::span<const TCodeName> table, int code, const char *other)
{
    const auto it = std::find_if(table.begin(), table.end(), [code](const TCodeName &e) { return e.code == code; });
    return KassioTest::tr(it != table.end() ? it->text : other);
}

const char *const UnknownDocumentType = QT_TRANSLATE_NOOP("KassioTest", "Неизвестный тип документа");
const char *const UnknownValue = QT_TRANSLATE_NOOP("KassioTest", "Неизвестное значение");

constexpr TCodeName StatusDocumentTypes[] = {
    {0x00, QT_TRANSLATE_NOOP("KassioTest", "Нет открытого документа")},
    {0x01, QT_TRANSLATE_NOOP("KassioTest", "Отчет о регистрации")},
    {0x02, QT_TRANSLATE_NOOP("KassioTest", "Отчет об открытии смены")},
    {0x04, QT_TRANSLATE_NOOP("KassioTest", "Кассовый чек")},
    {0x08, QT_TRANSLATE_NOOP("KassioTest", "Отчет о закрытии смены")},
    {0x10, QT_TRANSLATE_NOOP("KassioTest", "Отчет о закрытии фискального накопителя")},
    {0x11, QT_TRANSLATE_NOOP("KassioTest", "Бланк строгой отчетности")},
    {0x12, QT_TRANSLATE_NOOP("KassioTest", "Отчет об изменении параметров регистрации в связи с заменой ФН")},
    {0x13, QT_TRANSLATE_NOOP("KassioTest", "Отчет об изменении параметров регистрации")},
    {0x14, QT_TRANSLATE_NOOP("KassioTest", "Кассовый чек коррекции")},
    {0x15, QT_TRANSLATE_NOOP("KassioTest", "Бланк строгой отчетности коррекции")},
    {0x17, QT_TRANSLATE_NOOP("KassioTest", "Отчет о текущем состоянии расчетов")},
};

constexpr TCodeName FindDocumentTypes[] = {
    {0, QT_TRANSLATE_NOOP("KassioTest", "Нет открытого документа")},
    {1, QT_TRANSLATE_NOOP("KassioTest", "Отчет о регистрации")},
    {2, QT_TRANSLATE_NOOP("KassioTest", "Отчет об открытии смены")},
    {3, QT_TRANSLATE_NOOP("KassioTest", "Кассовый чек")},
    {4, QT_TRANSLATE_NOOP("KassioTest", "Бланк строгой отчетности")},
    {5, QT_TRANSLATE_NOOP("KassioTest", "Отчет о закрытии смены")},
    {6, QT_TRANSLATE_NOOP("KassioTest", "Отчет о закрытии фискального накопителя")},
    {7, QT_TRANSLATE_NOOP("KassioTest", "Подтверждение оператора")},
    {11, QT_TRANSLATE_NOOP("KassioTest", "Отчет об изменении параметров регистрации")},
    {21, QT_TRANSLATE_NOOP("KassioTest", "Отчет о текущем состоянии расчетов")},
    {31, QT_TRANSLATE_NOOP("KassioTest", "Кассовый чек коррекции")},
    {41, QT_TRANSLATE_NOOP("KassioTest", "Бланк строгой отчетности")},
};

constexpr TCodeName FNErrors[] = {
    {1, QT_TRANSLATE_NOOP("KassioTest", "Неизвестная команда, неверный формат посылки или неизвестные параметры")},
    {2, QT_TRANSLATE_NOOP("KassioTest", "Другое состояние ФН")},
    {3, QT_TRANSLATE_NOOP("KassioTest", "Отказ ФН")},
    {4, QT_TRANSLATE_NOOP("KassioTest", "Отказ КС")},
    {5, QT_TRANSLATE_NOOP("KassioTest", "Параметры команды не соответствуют сроку жизни ФН")},
    {6, QT_TRANSLATE_NOOP("KassioTest", "Архив ФН переполнен")},
    {7, QT_TRANSLATE_NOOP("KassioTest", "Неверные дата и/или время")},
    {8, QT_TRANSLATE_NOOP("KassioTest", "Нет запрошенных данных")},
    {9, QT_TRANSLATE_NOOP("KassioTest", "Некорректное значение параметров команды")},
    {10, QT_TRANSLATE_NOOP("KassioTest", "Некорректная команда")},
    {11, QT_TRANSLATE_NOOP("KassioTest", "Неразрешенные реквизиты")},
    {12, QT_TRANSLATE_NOOP("KassioTest", "Дублирование данных")},
    {13, QT_TRANSLATE_NOOP("KassioTest", "Отсутствуют данные, необходимые для корректного учета в ФН")},
    {14, QT_TRANSLATE_NOOP("KassioTest", "Количество позиций в документе превысило допустимый предел")},
    {16, QT_TRANSLATE_NOOP("KassioTest", "Превышение размеров TLV данных")},
    {17, QT_TRANSLATE_NOOP("KassioTest", "Нет транспортного соединения")},
    {18, QT_TRANSLATE_NOOP("KassioTest", "Исчерпан ресурс ФН")},
    {20, QT_TRANSLATE_NOOP("KassioTest", "Ограничение ресурса ФН")},
    {21, QT_TRANSLATE_NOOP("KassioTest", "Исчерпан ресурс Ожидания передачи сообщения")},
    {22, QT_TRANSLATE_NOOP("KassioTest", "Продолжительность смены более 24 часов")},
    {23, QT_TRANSLATE_NOOP("KassioTest", "Некорректные данные о промежутке времени между фискальными документами")},
    {24, QT_TRANSLATE_NOOP("KassioTest", "Некорректный реквизит, переданный ККТ в ФН")},
    {25, QT_TRANSLATE_NOOP("KassioTest", "Реквизит не соответствует установкам при регистрации")},
    {32, QT_TRANSLATE_NOOP("KassioTest", "Ошибка при обработке ответа в ФН")},
    {33, QT_TRANSLATE_NOOP("KassioTest", "Нет связи с ФН. Фатальная ошибка !!!")},
    {35, QT_TRANSLATE_NOOP("KassioTest", "Ошибка сервиса обновления ключей проверки кодов маркировки")},
    {36, QT_TRANSLATE_NOOP("KassioTest", "Неизвестный ответ сервиса обновления ключей проверки")},
    {48, QT_TRANSLATE_NOOP("KassioTest", "ФН не отвечает")},
    {121, QT_TRANSLATE_NOOP("KassioTest", "Ошибка часов")},
    {160, QT_TRANSLATE_NOOP("KassioTest", "Запрещена работа с маркированным товарами")},
    {161, QT_TRANSLATE_NOOP("KassioTest", "Неверная последовательность команд группы Bxh")},
    {162, QT_TRANSLATE_NOOP("KassioTest", "Работа с маркированными товарами временно заблокирована")},
    {163, QT_TRANSLATE_NOOP("KassioTest", "Переполнена таблица хранения КМ")},
    {170, QT_TRANSLATE_NOOP("KassioTest", "В блоке TLV отсутствуют необходимые реквизиты")},
    {172, QT_TRANSLATE_NOOP("KassioTest", "В реквизите 2007 содержится КМ, который ранее не проверялся в ФН")},
};

constexpr TCodeName DocumentData[] = {
    {0, QT_TRANSLATE_NOOP("KassioTest", "Нет данных документа")},
    {1, QT_TRANSLATE_NOOP("KassioTest", "Получены данные документа")},
};

constexpr TCodeName SessionStates[] = {
    {0, QT_TRANSLATE_NOOP("KassioTest", "Смена закрыта")},
    {1, QT_TRANSLATE_NOOP("KassioTest", "Смена открыта")},
};

constexpr TCodeName VersionTypes[] = {
    {0, QT_TRANSLATE_NOOP("KassioTest", "Отладочная версия")},
    {1, QT_TRANSLATE_NOOP("KassioTest", "Серийная версия")},
};

constexpr TCodeName OSUStates[] = {
    {0, QT_TRANSLATE_NOOP("KassioTest", "ФН поддерживает ОСУ, функция не активна")},
    {1, QT_TRANSLATE_NOOP("KassioTest", "ФН поддерживает ОСУ, функция активна")},
    {255, QT_TRANSLATE_NOOP("KassioTest", "ФН не поддерживает ОСУ")},
};

constexpr TCodeName OKPKeyResults[] = {
    {0, QT_TRANSLATE_NOOP("KassioTest", "Успешно. 0 ключей обновлено")},
    {1, QT_TRANSLATE_NOOP("KassioTest", "Успешно. 1 ключ обновлен")},
    {2, QT_TRANSLATE_NOOP("KassioTest", "Успешно. 2 ключа обновлено")},
    {0xFE, QT_TRANSLATE_NOOP("KassioTest", "Ошибка. См. напечатанное.\r\n Либо не поддерживается данной прошивкой,\r\n либо ключи уже обновлены")},
    {0xFF, QT_TRANSLATE_NOOP("KassioTest", "Нет связи с сервером ОКП")},
};

constexpr TFnBit LifeState[] = {
    {0, QT_TRANSLATE_NOOP("KassioTest", "Проведена настройка ФН")},
    {1, QT_TRANSLATE_NOOP("KassioTest", "Открыт фискальный режим")},
    {2, QT_TRANSLATE_NOOP("KassioTest", "Закрыт фискальный режим")},
    {3, QT_TRANSLATE_NOOP("KassioTest", "Закончена передача фискальных данных в ОФД")},
};

constexpr TFnBit TaxSystems[] = {
    {0, QT_TRANSLATE_NOOP("KassioTest", "ОСН")},
    {1, QT_TRANSLATE_NOOP("KassioTest", "УСН доход")},
    {2, QT_TRANSLATE_NOOP("KassioTest", "УСН доход минус расход")},
    {3, QT_TRANSLATE_NOOP("KassioTest", "ЕНВД")},
    {4, QT_TRANSLATE_NOOP("KassioTest", "ЕСХН")},
    {5, QT_TRANSLATE_NOOP("KassioTest", "Патент")},
};

constexpr TFnBit WorkModes[] = {
    {0, QT_TRANSLATE_NOOP("KassioTest", "Шифрование")},
    {1, QT_TRANSLATE_NOOP("KassioTest", "Автономный режим")},
    {2, QT_TRANSLATE_NOOP("KassioTest", "Автоматический режим")},
    {3, QT_TRANSLATE_NOOP("KassioTest", "Применение в сфере услуг")},
    {4, QT_TRANSLATE_NOOP("KassioTest", "Режим БСО")},
    {5, QT_TRANSLATE_NOOP("KassioTest", "Применение в Интернет")},
    {6, QT_TRANSLATE_NOOP("KassioTest", "ККТ в общественном питании")},
    {7, QT_TRANSLATE_NOOP("KassioTest", "Оптовая торговля с организациями и ИП")},
};

constexpr TFnBit WorkModesEx[] = {
    {0, QT_TRANSLATE_NOOP("KassioTest", "Продажа подакцизного товара")},
    {1, QT_TRANSLATE_NOOP("KassioTest", "Признак проведения азартных игр")},
    {2, QT_TRANSLATE_NOOP("KassioTest", "Признак проведения лотереи")},
    {3, QT_TRANSLATE_NOOP("KassioTest", "Признак установки принтера в автомате")},
    {4, QT_TRANSLATE_NOOP("KassioTest", "Признак торговли маркиров. товарами (1.2)")},
    {5, QT_TRANSLATE_NOOP("KassioTest", "Признак ломбардной деятельности (1.2)")},
    {6, QT_TRANSLATE_NOOP("KassioTest", "Признак страховой деятельности (1.2)")},
    {7, QT_TRANSLATE_NOOP("KassioTest", "ККТ с торговым автоматом (1.2)")},
};

} // namespace

QString FNStatusDocumentTypeToStr(int Code) { return Lookup(StatusDocumentTypes, Code, UnknownDocumentType); }
QString FNFindDocumentTypeToStr(int Code) { return Lookup(FindDocumentTypes, Code, UnknownDocumentType); }

QString GetFNErrorDescription(int Code)
{
    return Lookup(FNErrors, Code, QT_TRANSLATE_NOOP("KassioTest", "Неизвестный код ошибки"));
}

QString FNDocumentDataToStr(int Value) { return Lookup(DocumentData, Value, UnknownValue); }
QString FNSessionStateToStr(int Value) { return Lookup(SessionStates, Value, UnknownValue); }
QString FNVersionTypeToStr(int Value) { return Lookup(VersionTypes, Value, UnknownValue); }

QString OSUSupportStatusToStr(int Value)
{
    return QStringLiteral("%1, %2").arg(Value).arg(
        Lookup(OSUStates, Value, QT_TRANSLATE_NOOP("KassioTest", "Неизвестный код ответа")));
}

QString HexCode(int Code)
{
    return HexCode(Code, QString::number(Code));
}

QString HexCode(int Code, const QString &Name)
{
    const QString hex = QString::number(static_cast<quint32>(Code), 16).toUpper();
    return QStringLiteral("%1h, %2").arg(hex.rightJustified(2, QLatin1Char('0')), Name);
}

QString UIntStr(int Value) { return QString::number(static_cast<quint32>(Value)); }

std::span<const TFnBit> LifeStateBits() { return LifeState; }
std::span<const TFnBit> TaxSystemBits() { return TaxSystems; }
std::span<const TFnBit> WorkModeBits() { return WorkModes; }
std::span<const TFnBit> WorkModeExBits() { return WorkModesEx; }
QString BitName(const TFnBit &Bit) { return KassioTest::tr(Bit.name); }

int GetKeysCount(int Status) { return Status >> 2; }

QString GetUpdateKeysResult(int ResultCode, int Status)
{
    QString text;
    switch (ResultCode) {
    case 0:
        text = KassioTest::tr("ОБНОВЛЕНО КЛЮЧЕЙ: %1, ОШИБОК НЕТ").arg(GetKeysCount(Status));
        break;
    case 254:
        text = KassioTest::tr("Обновление не требуется");
        break;
    case 255:
        text = KassioTest::tr("НЕТ СВЯЗИ");
        break;
    default:
        text = GetFNErrorDescription(ResultCode);
        break;
    }
    if (Status & 0x03) {
        text += QStringLiteral("\r\n");
        text += (Status & 0x02)
            ? KassioTest::tr("Обновление ключей проверки не выполнено. Обратитесь в службу технической поддержки")
            : KassioTest::tr("Обновление ключей проверки не выполнено.");
    }
    return text;
}

QString UpdateOKPKeysResultToStr(quint8 Value)
{
    return Lookup(OKPKeyResults, Value, QT_TRANSLATE_NOOP("KassioTest", "Неизвестный ответ"));
}
