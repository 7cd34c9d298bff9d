// The emulated register's models: identity, table layout, model parameters
// and fonts. Table structures are in catalog/Tables.cpp, texts in
// catalog/Texts.cpp.
#include "emulator/DeviceCatalog.h"

#include "emulator/catalog/Tables.h"

#include <algorithm>

namespace emu {
namespace {

using namespace catalog;

constexpr int DefaultModel = 150;

// Fonts by print head. Font 7 of the FN printers reports no character width,
// so the driver takes 40 characters a line; the old printer does so for font 1.
std::vector<FontDef> fonts80mm()
{
    return {{1, 576, 12, 24}, {2, 576, 24, 45}, {3, 576, 12, 24}, {4, 576, 24, 48}, {5, 576, 9, 17},
            {6, 576, 8, 16},  {7, 576, 0, 24},  {8, 576, 16, 32}, {9, 576, 12, 24}};
}

std::vector<FontDef> fonts57mm()
{
    return {{1, 384, 12, 24}, {2, 384, 24, 45}, {3, 384, 12, 24}, {4, 384, 24, 48}, {5, 384, 8, 16},
            {6, 384, 6, 12},  {7, 384, 0, 24},  {8, 384, 16, 32}, {9, 384, 12, 24}};
}

std::vector<FontDef> fontsOldPrinter()
{
    return {{1, 320, 0, 24}, {2, 320, 16, 24}, {3, 320, 8, 24}, {4, 320, 16, 48},
            {5, 320, 8, 16}, {6, 320, 10, 20}, {7, 320, 8, 12}};
}

int charsPerLine(const FontDef &f)
{
    return f.charWidth > 0 ? f.printWidth / f.charWidth : 40;
}

// What decides a model's parameter values.
struct Traits {
    int id = 0;
    bool fn = true;
    bool cashCore = true;     // 28; on FN models also "table-17 kind" (false: FFD in table 10)
    bool cutter = true;       // 35
    int stornoType = 0;       // 31; 3 relabels storno as correction
    int fsTable = 0;          // 72, logical table 18
    int ofdTable = 0;         // 73, logical table 19; 0 without an OFD
    int automatTable = 0;     // 75, logical table 24; 0: the model has no such parameter
};

std::vector<ModelParamDef> params(const Traits &t, const std::vector<FontDef> &fonts)
{
    const bool fm = !t.fn;
    const int font1 = charsPerLine(fonts.at(0));
    const int font2 = charsPerLine(fonts.at(1));
    auto b = [](int n, const char *d, bool v) { return ModelParamDef{n, QString::fromUtf8(d), QVariant(v)}; };
    auto i = [](int n, const char *d, int v) { return ModelParamDef{n, QString::fromUtf8(d), QVariant(v)}; };
    std::vector<ModelParamDef> p{
        b(1, "Датчик контрольной ленты", fm),
        b(2, "Оптический датчик контрольной ленты", fm),
        b(3, "Датчик рычага контрольной ленты", fm),
        b(4, "Датчик чековой ленты", true),
        b(5, "Оптический датчик чековой ленты", true),
        b(6, "Датчик рычага чековой ленты", true),
        b(7, "Верхний датчик подкладного документа", false),
        b(8, "Нижний датчик подкладного документа", false),
        b(9, "Датчик крышки", true),
        b(10, "Датчик переполнения ЭКЛЗ", fm),
        b(11, "Расчет налогов в ККТ", true),
        i(12, "Поле настройки расчета налогов в таблице 1", 9),
        b(13, "Денежный ящик как презентер", false),
        b(14, "Датчик денежного ящика", true),
        b(15, "Датчик бумаги на входе презентера", false),
        b(16, "Датчик бумаги на выходе презентера", false),
        b(17, "Презентер", false),
        b(18, "Команды презентера", false),
        b(19, "Купюроприемник", false),
        b(20, "Подкладной документ", false),
        b(21, "Нефискальный документ", true),
        b(22, "Контрольная лента", fm),
        b(23, "Налоговая клавиатура", false),
        i(24, "Символов в строке шрифта 1", font1),
        i(25, "Символов в строке шрифта 2", font2),
        b(26, "Перестановка байтов в линии графики", false),
        i(27, "Номер первой линии графики", 1),
        b(28, "Кассовое ядро", t.cashCore),
        i(29, "Цифр в ИНН", 12),
        i(30, "Цифр в РНМ", 10),
        i(31, "Тип операции сторно", t.stornoType),
        i(32, "Идентификатор модели", t.id),
        i(33, "Количество отделов", 16),
        b(34, "Электронная контрольная лента (ЭКЛЗ)", fm),
        b(35, "Отрезчик", t.cutter),
        i(36, "Пароль налогового инспектора по умолчанию", 0),
        i(37, "Пароль системного администратора по умолчанию", 30),
        i(38, "Цифр в длинном РНМ", 16),
        i(39, "Цифр в длинном заводском номере", fm ? 12 : 20),
        b(40, "Блокировка по паролю налогового инспектора", fm),
        b(41, "Ведущие нули в ИНН", true),
        b(42, "Ведущие нули в РНМ", true),
        i(43, "Количество типов оплаты", fm ? 4 : 16),
        b(44, "Альтернативный протокол", false),
        b(45, "Перенос нефискальных строк", true),
        b(46, "Перенос нефискальных строк со шрифтом", t.fn),
        b(47, "Перенос фискальных строк", true),
        b(48, "Перенос фискальных строк со шрифтом", t.fn),
        b(49, "Старший кассир", true),
        b(50, "Результат последней печати", t.fn),
        b(51, "Загрузка графики блоками", t.fn),
        b(52, "Описания ошибок", true),
        i(53, "Максимальная длина команды, байт", fm ? 128 : 250),
        b(54, "Флаги печати графики", t.fn),
        i(55, "Ширина линии графики, байт", fonts.at(0).printWidth / 8),
        i(56, "Количество налоговых ставок", fm ? 4 : 6),
        b(57, "СКНО", false),
        b(71, "Фискальный накопитель", t.fn),
        i(72, "Номер таблицы параметров ФН", t.fsTable),
        i(73, "Номер таблицы параметров ОФД", t.ofdTable),
    };
    if (t.automatTable)
        p.push_back(i(75, "Номер таблицы параметров автомата", t.automatTable));
    return p;
}

// Tables 1-17 of the FN models; 13 depends on where the model keeps its FFD
// version (tables 10 and 17 both start with the factory FFD).
std::vector<TableDef> fnBaseTables(bool table10Kind, int ffd, int paperWidthMm)
{
    return {cashierSettings(), cashierPasswords(), departmentNames(), receiptTexts(),
            paymentTypeNames(Era::Fn), taxRates(Era::Fn), operationNames(Era::Fn), receiptFormFonts(),
            printerSettings(paperWidthMm), serviceSettings(ffd, paperWidthMm < 80),
            portSettings(), peripherals(), table10Kind ? fnExtraSettings() : customerDisplay(),
            upgradeModule(), sdCard(), ethernet(), ffdAndForm(ffd)};
}

template <typename... Rest>
std::vector<TableDef> append(std::vector<TableDef> head, Rest... rest)
{
    (head.push_back(std::move(rest)), ...);
    return head;
}

ModelDef fnModel(Traits t, const char *description, bool table10Kind, int paperWidthMm,
                 std::vector<TableDef> tables)
{
    ModelDef m;
    m.id = t.id;
    m.description = QString::fromUtf8(description);
    m.majorType = 0;
    m.minorType = table10Kind ? 2 : 4;
    m.majorProtocol = 1;
    m.minorProtocol = 2;
    m.codePageText = QStringLiteral("Русский");
    m.tables = numbering(std::move(tables));
    t.cashCore = !table10Kind;
    t.fsTable = tableNumber(m.tables, FnTableName);
    t.ofdTable = tableNumber(m.tables, OfdTableName);
    t.automatTable = tableNumber(m.tables, AutomatTableName);
    m.fonts = paperWidthMm < 80 ? fonts57mm() : fonts80mm();
    m.params = params(t, m.fonts);
    return m;
}

std::vector<ModelDef> buildModels()
{
    std::vector<ModelDef> out;

    // The default register: FFD in table 17, FN/OFD/automat tables at 18/19/24.
    {
        Traits t{.id = DefaultModel};
        ModelDef m = fnModel(t, "КАССИО-Ф 01", false, 80,
                             append(fnBaseTables(false, 4, 80), fnSettings(), ofdSettings(), ofdLog(),
                                    interfaces(), wifi(), timeServer(), automat()));
        m.firmwareVersion = QStringLiteral("D.4");
        m.firmwareBuild = 31205;
        m.firmwareDate = QStringLiteral("2023-06-15");
        out.push_back(std::move(m));
    }

    // Second model type: FFD in table 10 (fields 4 and 29), extended work mode
    // and reasons in table 13; storno is labelled as correction.
    {
        Traits t{.id = 19, .stornoType = 3};
        ModelDef m = fnModel(t, "КАССИО-Ф 02", true, 57,
                             append(fnBaseTables(true, 2, 57), fnSettings(), ofdSettings(), ofdLog(),
                                    interfaces(), wifi(), timeServer(), automat()));
        m.firmwareVersion = QStringLiteral("C.3");
        m.firmwareBuild = 24817;
        m.firmwareDate = QStringLiteral("2019-11-20");
        out.push_back(std::move(m));
    }

    // Model 254 reports key updates of the marking-code service. Its FN, OFD
    // and automat tables sit past the fixed ones (25, 26, 27), so logical
    // tables 18, 19 and 24 differ from the physical ones of those numbers.
    {
        Traits t{.id = 254};
        ModelDef m = fnModel(t, "КАССИО-Ф 03К", false, 80,
                             append(fnBaseTables(false, 4, 80), keyUpdateServer(), timeServer(), ofdLog(),
                                    interfaces(), wifi(), scannerSettings(), eventLog(), fnSettings(),
                                    ofdSettings(), automat()));
        m.firmwareVersion = QStringLiteral("D.4");
        m.firmwareBuild = 30912;
        m.firmwareDate = QStringLiteral("2022-10-04");
        out.push_back(std::move(m));
    }

    // Autonomous FN register: no OFD table (parameter 73 is 0), no network
    // beyond Ethernet for service, no automat table, no cutter.
    {
        Traits t{.id = 151, .cutter = false};
        ModelDef m = fnModel(t, "КАССИО-Ф 05А", false, 57, append(fnBaseTables(false, 2, 57), fnSettings()));
        m.firmwareVersion = QStringLiteral("E.3");
        m.firmwareBuild = 28140;
        m.firmwareDate = QStringLiteral("2021-04-23");
        out.push_back(std::move(m));
    }

    // A register with fiscal memory and EKLZ, before fiscal drives. Twelve
    // tables; parameter 72 names its registration details table.
    {
        ModelDef m;
        m.id = 110;
        m.description = QStringLiteral("КАССИО-К 01");
        m.majorType = 0;
        m.minorType = 1;
        m.majorProtocol = 1;
        m.minorProtocol = 0;
        m.codePageText = QStringLiteral("Русский");
        m.hasFiscalDrive = false;
        m.firmwareVersion = QStringLiteral("A.2");
        m.firmwareBuild = 3817;
        m.firmwareDate = QStringLiteral("2016-03-15");
        m.tables = numbering({cashierSettings(), cashierPasswords(), departmentNames(), receiptTexts(),
                              paymentTypeNames(Era::FiscalMemory), taxRates(Era::FiscalMemory),
                              operationNames(Era::FiscalMemory), receiptFormFonts(), printerSettings(57),
                              eklzSettings(), portSettings(), fiscalDetails()});
        m.fonts = fontsOldPrinter();
        Traits t{.id = m.id, .fn = false, .fsTable = tableNumber(m.tables, FiscalDetailsTableName)};
        m.params = params(t, m.fonts);
        out.push_back(std::move(m));
    }

    return out;
}

} // namespace

const std::vector<ModelDef> &models()
{
    static const std::vector<ModelDef> all = buildModels();
    return all;
}

const ModelDef *findModel(int id)
{
    const auto &all = models();
    const auto it = std::find_if(all.begin(), all.end(), [id](const ModelDef &m) { return m.id == id; });
    return it == all.end() ? nullptr : &*it;
}

int defaultModelId()
{
    return DefaultModel;
}

QVariant factoryValue(const TableDef &table, int row, int field)
{
    if (row < 1 || row > table.rows || field < 1 || field > static_cast<int>(table.fields.size()))
        return {};
    for (const CellDef &c : table.rowValues)
        if (c.row == row && c.field == field)
            return c.value;
    return table.fields[static_cast<std::size_t>(field - 1)].initial;
}

} // namespace emu
