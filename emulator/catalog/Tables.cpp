// Structure and factory values of the device tables. The comments name what
// the programs rely on; field numbers there are 1-based as the register counts.
#include "emulator/catalog/Tables.h"

#include <array>

namespace emu::catalog {
namespace {

constexpr qint64 MaxU16 = 0xFFFF;
constexpr qint64 MaxU32 = 0xFFFFFFFFLL;

QString tr8(const char *s) { return QString::fromUtf8(s); }

FieldDef num(const char *name, int size, qint64 min, qint64 max, qint64 initial)
{
    return FieldDef{tr8(name), false, size, min, max, QVariant(initial)};
}

FieldDef flag(const char *name, bool on) { return num(name, 1, 0, 1, on ? 1 : 0); }

FieldDef text(const char *name, int size, const char *initial = "")
{
    return FieldDef{tr8(name), true, size, 0, 0, QVariant(tr8(initial))};
}

FieldDef reserve() { return num("Резерв", 1, 0, 255, 0); }

// Four one-byte fields of a dotted address, first octet first.
void addOctets(std::vector<FieldDef> &fields, const char *name, std::array<int, 4> value)
{
    for (int i = 0; i < 4; ++i) {
        const QString n = QStringLiteral("%1, байт %2").arg(tr8(name)).arg(i + 1);
        fields.push_back(FieldDef{n, false, 1, 0, 255, QVariant(qint64(value[static_cast<std::size_t>(i)]))});
    }
}

TableDef table(const char *name, int rows, std::vector<FieldDef> fields, std::vector<CellDef> rowValues = {})
{
    TableDef t;
    t.name = tr8(name);
    t.rows = rows;
    t.fields = std::move(fields);
    t.rowValues = std::move(rowValues);
    return t;
}

// One text field per row, each row with its own factory text.
TableDef namesTable(const char *name, const char *fieldName, int size, const std::vector<QString> &names)
{
    std::vector<CellDef> cells;
    for (std::size_t i = 0; i < names.size(); ++i)
        cells.push_back({static_cast<int>(i) + 1, 1, QVariant(names[i])});
    return table(name, static_cast<int>(names.size()), {text(fieldName, size)}, std::move(cells));
}

std::vector<QString> numbered(const char *prefix, int from, int to)
{
    std::vector<QString> out;
    for (int i = from; i <= to; ++i)
        out.push_back(QStringLiteral("%1 %2").arg(tr8(prefix)).arg(i));
    return out;
}

} // namespace

TableDef cashierSettings()
{
    // Fields 16 and 29 are written by the test bench's print-form switch
    // (classic 1/4, compact 3/2).
    return table("Тип и режим кассы", 1, {
        flag("Автоматическое обнуление денежной наличности", true),
        flag("Печать рекламного текста", true),
        flag("Печать необнуляемой суммы", false),
        flag("Работа с денежным ящиком", true),
        num("Отрезка чека (0 нет, 1 неполная, 2 полная)", 1, 0, 2, 1),
        flag("Печать клише", true),
        flag("Звуковой сигнал", true),
        num("Строк промотки перед отрезкой", 1, 0, 20, 4),
        flag("Начисление налогов", true),
        flag("Печать налогов", true),
        flag("Печать строки итога налогов", true),
        flag("Сквозная нумерация кассиров", false),
        flag("Печать заголовка отчетов", true),
        flag("Сохранение строк в буфере", false),
        flag("Печать единиц измерения", true),
        num("Сжатие шрифта на чековой ленте", 1, 0, 3, 1),
        num("Длина строки наименования", 1, 0, 128, 0),
        flag("Печать данных ОФД в чеке", true),
        flag("Печать QR-кода", true),
        num("Размер QR-кода", 1, 1, 8, 3),
        flag("Отчет при закрытии смены", true),
        flag("Печать шапки отчетов", true),
        flag("Работа с весами", false),
        flag("Автоматическое открытие смены", true),
        flag("Контроль наличности в денежном ящике", true),
        flag("Печать итогов смены", true),
        flag("Отчет о состоянии расчетов при закрытии смены", false),
        num("Яркость печати", 1, 1, 5, 3),
        num("Межстрочный интервал", 1, 0, 10, 4),
        flag("Номер документа крупным шрифтом", false),
    });
}

TableDef cashierPasswords()
{
    // Row 30 is the system administrator (password 30, as model parameter 37
    // says); the wizard prints the name of row 30 on the archive closing.
    std::vector<CellDef> cells;
    for (int row = 1; row <= 30; ++row) {
        QString name;
        if (row == 30)
            name = QStringLiteral("СИС. АДМИНИСТРАТОР");
        else if (row == 29)
            name = QStringLiteral("АДМИНИСТРАТОР");
        else
            name = QStringLiteral("КАССИР %1").arg(row);
        cells.push_back({row, 1, QVariant(qint64(row))});
        cells.push_back({row, 2, QVariant(name)});
    }
    return table("Пароли кассиров и администраторов", 30, {
        num("Пароль", 4, 0, 99999999, 0),
        text("Имя", 21),
    }, std::move(cells));
}

TableDef departmentNames()
{
    return namesTable("Наименования отделов", "Наименование", 64, numbered("ОТДЕЛ", 1, 16));
}

TableDef receiptTexts()
{
    // Rows 1-4: cliché printed at the head of a document; rows 5-8: the
    // advertising text printed at its end (PrintCliche / PrintTrailer).
    std::vector<CellDef> cells{
        {1, 1, QStringLiteral("КАССИО")},
        {2, 1, QStringLiteral("ДОБРО ПОЖАЛОВАТЬ!")},
        {5, 1, QStringLiteral("СПАСИБО ЗА ПОКУПКУ!")},
    };
    return table("Текст в чеке", 8, {text("Строка", 64)}, std::move(cells));
}

TableDef paymentTypeNames(Era era)
{
    std::vector<QString> names;
    if (era == Era::Fn) {
        names = {QStringLiteral("НАЛИЧНЫМИ"), QStringLiteral("БЕЗНАЛИЧНЫМИ"),
                 QStringLiteral("ПРЕДВАРИТЕЛЬНАЯ ОПЛАТА (АВАНС)"),
                 QStringLiteral("ПОСЛЕДУЮЩАЯ ОПЛАТА (КРЕДИТ)"),
                 QStringLiteral("ИНАЯ ФОРМА ОПЛАТЫ")};
        const auto rest = numbered("ТИП ОПЛАТЫ", 6, 16);
        names.insert(names.end(), rest.begin(), rest.end());
    } else {
        names = {QStringLiteral("НАЛИЧНЫМИ"), QStringLiteral("КРЕДИТОМ"),
                 QStringLiteral("ТАРОЙ"), QStringLiteral("ПЛАТ. КАРТОЙ")};
    }
    return namesTable("Наименования типов оплаты", "Наименование", 64, names);
}

TableDef taxRates(Era era)
{
    // Rates in hundredths of a percent.
    struct Rate { qint64 rate; const char *name; };
    const std::vector<Rate> fn{{2000, "НДС 20%"}, {1000, "НДС 10%"}, {2000, "НДС 20/120"},
                               {1000, "НДС 10/110"}, {0, "НДС 0%"}, {0, "БЕЗ НДС"}};
    const std::vector<Rate> fm{{1800, "НДС 18%"}, {1000, "НДС 10%"}, {0, "НДС 0%"}, {0, "БЕЗ НДС"}};
    const auto &rates = era == Era::Fn ? fn : fm;
    std::vector<CellDef> cells;
    for (std::size_t i = 0; i < rates.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        cells.push_back({row, 1, QVariant(rates[i].rate)});
        cells.push_back({row, 2, QVariant(tr8(rates[i].name))});
    }
    return table("Налоговые ставки", static_cast<int>(rates.size()), {
        num("Ставка, сотые доли процента", 2, 0, 9999, 0),
        text("Наименование налога", 64),
    }, std::move(cells));
}

TableDef operationNames(Era era)
{
    const std::vector<QString> fn{QStringLiteral("ПРИХОД"), QStringLiteral("РАСХОД"),
                                  QStringLiteral("ВОЗВРАТ ПРИХОДА"), QStringLiteral("ВОЗВРАТ РАСХОДА")};
    const std::vector<QString> fm{QStringLiteral("ПРОДАЖА"), QStringLiteral("ПОКУПКА"),
                                  QStringLiteral("ВОЗВРАТ ПРОДАЖИ"), QStringLiteral("ВОЗВРАТ ПОКУПКИ")};
    return namesTable("Наименования операций", "Наименование", 32, era == Era::Fn ? fn : fm);
}

TableDef receiptFormFonts()
{
    // Font number per receipt element (0: not printed). Fields 1-24 are
    // written by the test bench's print-form switch; factory values are its
    // classic form (1 everywhere, 2 for the total, 5 for the fiscal sign).
    static const char *const names[] = {
        "Шрифт клише", "Шрифт номера чека", "Шрифт даты и времени", "Шрифт имени кассира",
        "Шрифт наименования товара", "Шрифт количества и цены", "Шрифт стоимости позиции",
        "Шрифт налога позиции", "Шрифт признака способа расчета", "Шрифт признака предмета расчета",
        "Шрифт скидки", "Шрифт надбавки", "Шрифт подытога", "Шрифт налогов чека",
        "Шрифт типов оплаты", "Шрифт сдачи", "Шрифт системы налогообложения", "Шрифт итога",
        "Шрифт регистрационных данных ККТ", "Шрифт данных ФН", "Шрифт данных ОФД",
        "Шрифт адреса и места расчетов", "Шрифт рекламного текста", "Шрифт фискального признака",
    };
    std::vector<FieldDef> fields;
    int field = 1;
    for (const char *name : names) {
        const qint64 classic = field == 18 ? 2 : field == 24 ? 5 : 1;
        fields.push_back(num(name, 1, 0, 9, classic));
        ++field;
    }
    return table("Шрифты формы чека", 1, std::move(fields));
}

TableDef printerSettings(int paperWidthMm)
{
    return table("Параметры принтера", 1, {
        num("Плотность печати", 1, 1, 5, 3),
        num("Скорость печати", 1, 1, 3, 2),
        num("Ширина ленты, мм", 1, 57, 80, paperWidthMm),
        num("Строк промотки после документа", 1, 0, 20, 3),
        flag("Печать логотипа", false),
        num("Выравнивание клише (0 влево, 1 центр, 2 вправо)", 1, 0, 2, 1),
    });
}

TableDef serviceSettings(int ffd, bool narrowPaper)
{
    // Written with the service password by the test bench (fields 7, 10, 11,
    // 14, 15). On the table-10 kind (model parameter 28 false) the wizard reads
    // the FFD version from field 4, writes the new one to field 29 (1.0 stored
    // as 0) and sets field 32 before registration.
    std::vector<FieldDef> f{
        flag("Заводской режим", false),
        flag("Тестовый режим", false),
        flag("Автоматическая перезагрузка", false),
        num("Текущая версия ФФД", 1, 0, 4, ffd),
        flag("Контроль температуры головки", true),
        flag("Контроль напряжения питания", true),
        flag("Узкая лента", narrowPaper),
        flag("Автоотрезка", true),
        flag("Печать отладочной информации", false),
        num("Таймаут ФН, с", 1, 1, 60, 30),
        num("Чувствительность датчика чековой ленты", 1, 0, 255, 130),
        num("Чувствительность датчика крышки", 1, 0, 255, 130),
        num("Попыток обмена с ФН", 1, 1, 10, 3),
        flag("Обход ошибки ФН 996044050x", false),
        num("Логирование (0 выкл., 1 COM, 2 сеть, 3 SD)", 1, 0, 3, 0),
    };
    while (f.size() < 28)
        f.push_back(reserve());
    f.push_back(num("Устанавливаемая версия ФФД", 1, 0, 4, ffd == 1 ? 0 : ffd));
    f.push_back(reserve());
    f.push_back(reserve());
    f.push_back(flag("Подготовка к регистрации", false));
    return table("Сервисные параметры", 1, std::move(f));
}

TableDef eklzSettings()
{
    return table("Параметры ЭКЛЗ", 1, {
        flag("Печать данных ЭКЛЗ в чеке", true),
        flag("Контроль заполнения ЭКЛЗ", true),
        num("Порог предупреждения о заполнении, %", 1, 50, 99, 90),
    });
}

TableDef portSettings()
{
    // Baud rate as the driver's code 0-9 (2400 ... 921600); 6 is 115200.
    return table("Параметры портов", 3, {
        num("Скорость обмена", 1, 0, 9, 6),
        num("Таймаут приема байта, мс", 1, 1, 255, 100),
    });
}

TableDef peripherals()
{
    return table("Подключаемые устройства", 1, {
        flag("Дисплей покупателя", false),
        flag("Сканер штрихкодов", false),
        flag("Весы", false),
        flag("Купюроприемник", false),
    });
}

TableDef fnExtraSettings()
{
    // Table-10 kind: the wizard writes the extended work mode to field 21 and
    // the FFD 1.2 reason set to field 22 here instead of the FN table.
    std::vector<FieldDef> f{num("Признак агента", 1, 0, 127, 0)};
    while (f.size() < 20)
        f.push_back(reserve());
    f.push_back(num("Расширенные признаки работы ККТ", 1, 0, 255, 0));
    f.push_back(num("Коды причин изменения сведений о ККТ", 4, 0, MaxU32, 0));
    return table("Дополнительные параметры регистрации", 1, std::move(f));
}

TableDef customerDisplay()
{
    return table("Дисплей покупателя", 1, {
        num("Яркость", 1, 1, 4, 3),
        text("Приветствие", 20, "ДОБРО ПОЖАЛОВАТЬ"),
        num("Кодовая страница дисплея", 1, 0, 255, 0),
    });
}

TableDef upgradeModule()
{
    // Field 1 decides which firmware-update hint the test bench gives on an
    // I2C link (0: SD card menu, otherwise direct MicroUSB).
    return table("Устройство модернизации", 1, {
        num("Режим подключения УМ", 1, 0, 1, 0),
        num("Версия протокола УМ", 1, 0, 255, 1),
    });
}

TableDef sdCard()
{
    return table("SD-карта", 1, {
        flag("Использовать SD-карту", true),
        flag("Копировать документы на SD-карту", false),
    });
}

TableDef ethernet()
{
    // Read and written unresolved by the wizard's network pages and LAN check
    // and by the test bench's OFD page. Field 2 is the DHCP state: 10 means an
    // address was obtained, which the LAN check waits for. The factory address
    // is loopback, where the emulator's device server listens.
    std::vector<FieldDef> f{
        num("Статический IP (0 DHCP, 1 статический)", 1, 0, 1, 0),
        num("Состояние DHCP", 1, 0, 255, 10),
    };
    addOctets(f, "IP адрес", {127, 0, 0, 1});
    addOctets(f, "Шлюз", {0, 0, 0, 0});
    addOctets(f, "Маска", {255, 0, 0, 0});
    addOctets(f, "DNS", {0, 0, 0, 0});
    f.push_back(flag("Клиент Socks5", false));
    addOctets(f, "IP Socks5", {0, 0, 0, 0});
    f.push_back(num("Порт Socks5", 2, 0, MaxU16, 1080));
    return table("Параметры Ethernet", 1, std::move(f));
}

TableDef ffdAndForm(int ffd)
{
    // Field 17 is the FFD version on the table-17 kind (0 1.0 beta, 1 1.0,
    // 2 1.05, 3 1.1, 4 1.2); the wizard sets field 3 to 2 with any FFD above 0.
    // Fields 12 and 28 are the test bench's bit mask pages (bits 0-18 and
    // bits 0-5, 10-12); 18 and 56 belong to its print-form switch.
    std::vector<FieldDef> f{
        flag("Печать реквизитов пользователя", true),
        flag("Печать адреса расчетов", true),
        num("Режим работы с ФФД", 1, 0, 2, ffd > 0 ? 2 : 0),
        flag("Печать ИНН кассира", false),
        flag("Печать e-mail отправителя", false),
        num("Округление суммы чека, коп.", 1, 0, 99, 0),
        flag("Печать адреса сайта ФНС", true),
        flag("Печать признака способа расчета", true),
        flag("Печать признака предмета расчета", true),
        flag("Печать QR-кода", true),
        num("Размер точки QR-кода", 1, 3, 8, 4),
        num("Печать реквизитов (битовая маска)", 4, 0, (1 << 19) - 1, 0),
        flag("Короткий формат даты", false),
        flag("Печать единиц измерения", true),
        flag("Контроль маркированных товаров", true),
        flag("Проверка кодов маркировки", true),
        num("Версия ФФД", 1, 0, 4, ffd),
        num("Сжатие шрифта чека", 1, 0, 6, 0),
        flag("Печать номера смены", true),
        flag("Печать номера ФД крупным шрифтом", false),
        num("Признак агента по умолчанию", 1, 0, 127, 0),
        num("Признак способа расчета по умолчанию", 1, 1, 7, 4),
        num("Признак предмета расчета по умолчанию", 1, 1, 33, 1),
        num("Налоговая ставка по умолчанию", 1, 1, 6, 1),
        flag("Печать суммы НДС в позиции", true),
        flag("Печать скидок в позиции", true),
        flag("Печать нулевых налогов", false),
        num("Минимизация формы чека (битовая маска)", 2, 0, 0x1C3F, 0),
    };
    while (f.size() < 55)
        f.push_back(reserve());
    f.push_back(num("Сжатие шрифта отчетов", 1, 0, 6, 0));
    return table("Параметры ФФД и формы чека", 1, std::move(f));
}

TableDef fnSettings()
{
    // Logical table 18 (model parameter 72). Registration data: the wizard
    // reads and writes 2, 3 and 7-16, the test bench reads 3, 4 and 12 and
    // writes 21 and 22 on registration. Fields 1 and 4 mirror the register's
    // and the fiscal drive's factory numbers.
    return table(FnTableName, 1, {
        text("Заводской номер ККТ", 20),
        text("ИНН пользователя", 12),
        text("Регистрационный номер ККТ", 20),
        text("Заводской номер ФН", 16),
        num("Системы налогообложения", 1, 0, 63, 0),
        num("Режимы работы", 1, 0, 255, 0),
        text("Наименование пользователя", 256),
        text("Кассир", 64),
        text("Адрес расчетов", 256),
        text("Наименование ОФД", 256),
        text("Адрес сайта ОФД", 64),
        text("ИНН ОФД", 12),
        text("Адрес сайта ФНС", 64, "www.nalog.gov.ru"),
        text("Место расчетов", 256),
        text("Адрес электронной почты отправителя чека", 64),
        num("Признак агента", 1, 0, 127, 0),
        text("ИНН кассира", 12),
        flag("Признак шифрования", false),
        flag("Признак автономного режима", false),
        flag("Признак автоматического режима", false),
        num("Расширенные признаки работы ККТ", 1, 0, 255, 0),
        num("Коды причин изменения сведений о ККТ", 4, 0, MaxU32, 0),
    });
}

TableDef ofdSettings()
{
    // Logical table 19 (model parameter 73): 1/2 the OFD server, 5/6 the
    // marking-code server (FFD 1.2). Empty until the wizard sets them.
    return table(OfdTableName, 1, {
        text("Сервер ОФД", 64),
        num("Порт ОФД", 2, 0, MaxU16, 0),
        num("Таймаут ответа ОФД, с", 1, 1, 255, 30),
        num("Интервал опроса ФН, с", 1, 1, 255, 10),
        text("Сервер ОИСМ", 64),
        num("Порт ОИСМ", 2, 0, MaxU16, 0),
        num("Таймаут ответа ОИСМ, с", 1, 1, 255, 30),
    });
}

TableDef ofdLog()
{
    // Written by the register's OFD exchange; the test bench shows field 6
    // (error flag), 7 (OFD answer code 1-6) and the log lines 8-17.
    std::vector<FieldDef> f{
        num("Состояние обмена", 1, 0, 255, 0),
        num("Попыток соединения", 2, 0, MaxU16, 0),
        text("Время последнего обмена", 19),
        num("Номер последнего отправленного ФД", 4, 0, MaxU32, 0),
        num("Неотправленных ФД", 4, 0, MaxU32, 0),
        flag("Ошибка обмена", false),
        num("Код ответа ОФД", 1, 0, 255, 0),
    };
    for (int i = 1; i <= 10; ++i)
        f.push_back(FieldDef{QStringLiteral("Строка журнала %1").arg(i), true, 64, 0, 0, QVariant(QString())});
    return table("Журнал обмена с ОФД", 1, std::move(f));
}

TableDef interfaces()
{
    // Wizard network pages: 3 := 1, 4 the TCP port (7779), 6 Ethernet/WiFi,
    // 7/8 WiFi network and password, 9 RNDIS. Field 2 switches the UDP
    // announcements that the wizard's device search listens for.
    return table("Сетевые интерфейсы", 1, {
        text("Имя ККТ в сети", 32, "KASSIO"),
        flag("Анонсирование по UDP", true),
        flag("Сетевой интерфейс включен", true),
        num("TCP порт", 2, 1, MaxU16, 7779),
        num("Таймаут соединения, с", 1, 1, 255, 30),
        num("Интерфейс (0 Ethernet/RNDIS, 1 WiFi)", 1, 0, 1, 0),
        text("Имя сети WiFi", 32),
        text("Пароль WiFi", 64),
        flag("Режим RNDIS", false),
    });
}

TableDef wifi()
{
    // Addresses as dotted text, unlike the octets of the Ethernet table.
    return table("Параметры WiFi", 1, {
        num("Статический IP (0 DHCP, 1 статический)", 1, 0, 1, 0),
        text("IP адрес", 15, "0.0.0.0"),
        text("Маска", 15, "255.255.255.0"),
        text("Шлюз", 15, "0.0.0.0"),
        text("DNS", 15, "0.0.0.0"),
    });
}

TableDef timeServer()
{
    return table("Сервер времени", 1, {
        flag("Синхронизация времени", false),
        text("Адрес сервера", 64),
        num("Часовой пояс, ч", 1, 0, 23, 3),
    });
}

TableDef keyUpdateServer()
{
    return table("Сервер обновления ключей", 1, {
        text("Адрес сервера", 64),
        num("Порт", 2, 0, MaxU16, 0),
        num("Интервал проверки, ч", 1, 1, 255, 24),
    });
}

TableDef scannerSettings()
{
    return table("Параметры сканера", 1, {
        num("Скорость обмена", 1, 0, 9, 6),
        text("Префикс", 8),
        text("Суффикс", 8),
    });
}

TableDef eventLog()
{
    return table("Журнал событий", 10, {text("Событие", 64)});
}

TableDef automat()
{
    // Logical table 24 (model parameter 75): field 1 is the automat number
    // written on registration in the automatic mode.
    return table(AutomatTableName, 1, {
        text("Номер автомата", 20),
        text("Адрес установки автомата", 256),
        text("Место установки автомата", 256),
    });
}

TableDef fiscalDetails()
{
    return table(FiscalDetailsTableName, 1, {
        text("Заводской номер ККТ", 20),
        text("ИНН пользователя", 12),
        text("Регистрационный номер ККТ", 10),
        num("Количество фискализаций", 1, 0, 16, 0),
    });
}

std::vector<TableDef> numbering(std::vector<TableDef> tables)
{
    int number = 0;
    for (auto &t : tables)
        t.number = ++number;
    return tables;
}

int tableNumber(const std::vector<TableDef> &tables, const char *name)
{
    const QString n = tr8(name);
    for (const auto &t : tables)
        if (t.name == n)
            return t.number;
    return 0;
}

} // namespace emu::catalog
