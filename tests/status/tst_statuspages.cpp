// The "Состояние" pages in the test bench window against the built-in
// emulator: every listing line for known register states, the failure paths
// (empty memo, result panel, abort lines), "Прервать" and saving.
#include "KassioTestEnv.h"

#include "driver/Driver.h"
#include "driver/TablesDialog.h"
#include "emulator/EmulatedRegister.h"
#include "testbench/pages/status/DeviceStatusPage.h"
#include "testbench/pages/status/FullStatusPage.h"
#include "testbench/shell/SaveFileDialog.h"
#include "testbench/pages/status/StatusListing.h"
#include "testbench/shell/MainForm.h"
#include "testbench/shell/MessageBoxes.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

#include <memory>

namespace {

const QString S40 = QLatin1Char(' ') + QString(40, QLatin1Char('-'));
const QString S52 = QLatin1Char(' ') + QString(52, QLatin1Char('-'));

// One "label: value" line of the listings ("%-*s: %s" after a blank).
QString Ln(const QString &label, const QString &value, int width)
{
    return QLatin1Char(' ') + label.leftJustified(width) + QStringLiteral(": ") + value;
}
QString R(const char *label, const QString &value) { return Ln(QString::fromUtf8(label), value, 26); }
QString F(const char *label, const QString &value) { return Ln(QString::fromUtf8(label), value, 24); }
QString B(const char *label, bool flag)
{
    return Ln(QString::fromUtf8(label), flag ? QStringLiteral("[да]") : QStringLiteral("[нет]"), 33);
}

// The sixteen device flags of a fresh emulated register (paper in, two
// decimals), without the two EKLZ lines on a register with an FN.
QStringList DeviceFlags(bool fn)
{
    QStringList lines{B("Увеличенная точность количества", false), B("Бумага на выходе из накопителя", false),
                      B("Бумага на входе в накопитель", false)};
    if (!fn)
        lines << B("ЭКЛЗ почти заполнена", false);
    lines << B("Денежный ящик открыт", false) << B("Крышка корпуса поднята", false)
          << B("Рычаг термоголовки чека опущен", true) << B("Рычаг термоголовки журнала опущен", false)
          << B("Оптический датчик чека", true) << B("Оптический датчик журнала", false);
    if (!fn)
        lines << B("ЭКЛЗ есть", false);
    lines << B("2 знака после запятой в цене", true) << B("Нижний датчик ПД", false) << B("Верхний датчик ПД", false)
          << B("Рулон чековой ленты", true) << B("Рулон контрольной ленты", false);
    return lines;
}

std::shared_ptr<emu::EmulatedRegister> Device()
{
    return emu::EmulatedRegister::shared(emu::EmulatedRegister::defaultStateFile());
}

// The listing's clock and factory number lines depend on the moment and the
// register: the golden text names them {DATE}, {TIME} and {SERIAL}.
QStringList Resolve(QStringList lines)
{
    const QString date = Driver()->Date.date().toString(QStringLiteral("dd.MM.yyyy"));
    const QString time = Driver()->Time.time().toString(QStringLiteral("HH:mm"));
    const QString serial = Device()->snapshot().serialNumber;
    for (QString &line : lines)
        line.replace(QLatin1String("{DATE}"), date)
            .replace(QLatin1String("{TIME}"), time)
            .replace(QLatin1String("{SERIAL}"), serial);
    return lines;
}

QString RegisterLine(int number, const QString &name, const QString &value)
{
    return QStringLiteral(" %1.%2 : %3").arg(number, 3).arg(name.leftJustified(44), value);
}

// The tables section of the full listing, from the model's catalogue.
QStringList CatalogueTables(int modelId)
{
    QStringList lines{QString(), S52, QStringLiteral(" ТАБЛИЦЫ:"), S52};
    for (const emu::TableDef &t : emu::findModel(modelId)->tables) {
        const int fields = static_cast<int>(t.fields.size());
        lines << QString() << S52
              << QStringLiteral(" ТАБЛИЦА %1. %2. Рядов:%3 Полей:%4").arg(t.number).arg(t.name).arg(t.rows).arg(fields)
              << QStringLiteral(" Ряд.Поле. Наименование:Значение") << S52;
        for (int row = 1; row <= t.rows; ++row) {
            for (int field = 1; field <= fields; ++field) {
                const emu::FieldDef &f = t.fields[static_cast<std::size_t>(field - 1)];
                const QVariant v = emu::factoryValue(t, row, field);
                lines << QStringLiteral(" %1.%2. %3:%4")
                             .arg(row, 2, 10, QLatin1Char('0'))
                             .arg(field, 2, 10, QLatin1Char('0'))
                             .arg(f.name, f.isText ? v.toString() : QString::number(v.toLongLong()));
            }
            lines << S52;
        }
    }
    return lines;
}

} // namespace

class TestStatusPages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void requestListing_data();
    void requestListing();
    void modelParameters();
    void errorDescriptions();
    void requestListEndsAtFailedRead_data();
    void requestListEndsAtFailedRead();
    void failedFirstCallLeavesMemoEmpty_data();
    void failedFirstCallLeavesMemoEmpty();
    void codeTexts();
    void sknoBlock();
    void tablesButtonOpensDialogOverThePage();

    void fullListing();
    void fullListingAborts_data();
    void fullListingAborts();
    void interruptDuringCashRegisters();
    void saveWritesMemoLines();
    void saveFailureShowsError();

private:
    QStringList MemoLines(QWidget *page) const;
    QPushButton *Button(QWidget *page, const char *name) const;
    TfmDeviceStatus *RequestsPage() const { return FWindow->Pages().PageByClass<TfmDeviceStatus>(); }
    TfmFullStatus *FullPage() const { return FWindow->Pages().PageByClass<TfmFullStatus>(); }
    QString PanelResult() const { return FWindow->findChild<QLineEdit *>(QStringLiteral("edtResult"))->text(); }

    KassioTestEnv FEnv;
    std::unique_ptr<TfmMain> FWindow;
    QList<TMessage> FMessages;
};

void TestStatusPages::initTestCase()
{
    // Decimal comma and day.month.year: the user's formats are really used.
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    SetMessageResponder([this](const TMessage &message) {
        FMessages.append(message);
        return QMessageBox::Ok;
    });
}

void TestStatusPages::init()
{
    QVERIFY(Device()->factoryReset(emu::defaultModelId()));
    FMessages.clear();
    FWindow = std::make_unique<TfmMain>(StandardPageTable());
    FWindow->show();
    QVERIFY(RequestsPage());
    QVERIFY(FullPage());
}

void TestStatusPages::cleanup()
{
    FWindow.reset();
    FreeDriver();
    SetSaveFileChooser({});
    kassio::setTablesDialogRunner({});
}

QStringList TestStatusPages::MemoLines(QWidget *page) const
{
    return page->findChild<QPlainTextEdit *>(QStringLiteral("Memo"))->toPlainText().split(QLatin1Char('\n'));
}

QPushButton *TestStatusPages::Button(QWidget *page, const char *name) const
{
    auto *button = page->findChild<QPushButton *>(QLatin1String(name));
    if (!button)
        qFatal("no button %s", name);
    return button;
}

void TestStatusPages::requestListing_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("expected");

    const QStringList longHead{QString(), S40, QStringLiteral(" Запрос состояния:"), S40, QStringLiteral(" Режим: "),
                               QStringLiteral("  4, Закрытая смена"), S40};
    const QStringList identity{R("Последняя закрытая смена", "0")};
    const QStringList clock{R("Дата", "{DATE}"), R("Время", "{TIME}"), R("Заводской номер", "{SERIAL}"),
                            R("ИНН", "не задан"), S40, R("Флаги кассовой техники", "0292h, 658"), S40};

    // An FN register: no fiscal memory, EKLZ or fiscalization lines; the
    // cash core block without the fiscal memory records.
    QTest::newRow("long status, FN register")
        << 150 << "btnEcrStatus"
        << longHead + QStringList{R("Версия ПО", "D.4"), R("Сборка ПО", "31205"), R("Дата ПО", "15.06.2023"), S40,
                                  R("Подрежим", "0, Бумага есть"), R("Статус режима", "0"), R("Номер ККМ в зале", "1"),
                                  R("Номер документа", "0"), R("Интерфейс подключения", "0, RS-232")}
               + identity + clock + DeviceFlags(true)
               + QStringList{S40, B("Режим АСПД", false), B("Блокировка ККТ по неверному паролю НИ", false), S40};

    QTest::newRow("long status, fiscal memory register")
        << 110 << "btnEcrStatus"
        << longHead
               + QStringList{R("Версия ПО", "A.2"), R("Сборка ПО", "3817"), R("Дата ПО", "15.03.2016"), S40,
                             R("Версия ПО ФП", "A.2"), R("Сборка ПО ФП", "3817"), R("Дата ПО ФП", "15.03.2016"), S40,
                             R("Подрежим", "0, Бумага есть"), R("Статус режима", "0"), R("Номер ККМ в зале", "1"),
                             R("Номер документа", "0"), R("Интерфейс подключения", "0, RS-232"),
                             R("Количество фискализаций", "0"), R("Осталось фискализаций", "16")}
               + identity + QStringList{R("Свободных записей в ФП", "2100")} + clock + DeviceFlags(false)
               + QStringList{S40,
                             R("Флаги ФП", "03h, 3"),
                             S40,
                             B("24 часа в ФП кончились", false),
                             B("Смена в ФП открыта", false),
                             B("Последняя запись в ФП повреждена", false),
                             B("Батарея ФП заряжена более 80 %", true),
                             B("Переполнение ФП", false),
                             B("ФП2 есть", true),
                             B("ФП1 есть", true),
                             S40,
                             B("Режим АСПД", false),
                             B("Блокировка ККТ по неверному паролю НИ", false),
                             B("Повреждены 3 или более записей", false),
                             B("Повреждена запись фискализации", false),
                             R("Тип последней записи ФП", "Фиск./активиз. ЭКЛЗ"),
                             S40};

    const QStringList shortHead{QString(),
                                S40,
                                QStringLiteral(" Краткий запрос состояния:"),
                                S40,
                                QStringLiteral(" Режим: "),
                                QStringLiteral(" 4, Закрытая смена"),
                                S40,
                                R("Подрежим", "0, Бумага есть"),
                                R("Статус режима", "0"),
                                R("Количество операций в чеке", "0"),
                                R("Напряжение батареи, В", "3,02"),
                                R("Напряжение источника, В", "24,10"),
                                R("Предыдущий режим ККТ", "4"),
                                R("Температура ТПГ", "27")};
    const QStringList shortTail = QStringList{R("Результат последней печати", "0"), S40,
                                              R("Флаги кассовой техники", "0292h, 658"), S40}
                                  + DeviceFlags(true) + QStringList{S40};
    QTest::newRow("short status, model 150: no key update lines") << 150 << "btnShortEcrStatus" << shortHead + shortTail;
    // A fresh drive has never needed a key update.
    QTest::newRow("short status, model 254: key update lines")
        << 254 << "btnShortEcrStatus"
        << shortHead
               + QStringList{R("Код ошибки при обновлении ключей", "254, Обновление не производилось, потому что не требуется"),
                             R("Статус обновления ключей", "0, "), R("Кол-во обновленных ключей", "0")}
               + shortTail;

    QTest::newRow("device parameters")
        << 150 << "btnDeviceMetrics"
        << QStringList{QString(),
                       S40,
                       " Параметры принтера:",
                       S40,
                       " Кодовая страница    : 1251, Русский",
                       " Описание устройства : КАССИО-Ф 01",
                       " Версия протокола    : 1",
                       " Подверсия протокола : 2",
                       " Тип устройства      : 0",
                       " Подтип устройства   : 4",
                       " Модель устройства   : 150"};
    QTest::newRow("driver version") << 150 << "btnDriverVersion"
                                    << QStringList{QString(),          S40,
                                                   " Версия драйвера:", S40,
                                                   " Версия        : 4", " Подверсия     : 13",
                                                   " Релиз         : 0", " Сборка        : 600",
                                                   " Полная версия : 4.13.0.600"};
    QTest::newRow("serial number") << 150 << "btnSerial" << QStringList{R("Заводской номер", "{SERIAL}")};
}

void TestStatusPages::requestListing()
{
    QFETCH(int, model);
    QFETCH(QString, button);
    QFETCH(QStringList, expected);
    QVERIFY(Device()->factoryReset(model));
    TfmDeviceStatus *page = RequestsPage();
    QTest::mouseClick(Button(page, button.toLatin1().constData()), Qt::LeftButton);
    QCOMPARE(MemoLines(page), Resolve(expected));
    QCOMPARE(page->findChild<QPlainTextEdit *>(QStringLiteral("Memo"))->textCursor().position(), 0);
    QVERIFY(FMessages.isEmpty());
}

void TestStatusPages::modelParameters()
{
    TfmDeviceStatus *page = RequestsPage();
    QTest::mouseClick(Button(page, "btnGetModelParams"), Qt::LeftButton);
    const QStringList lines = MemoLines(page);
    const auto &params = emu::findModel(150)->params;
    QCOMPARE(lines.size(), 4 + static_cast<int>(params.size()));
    QCOMPARE(lines.mid(0, 4), (QStringList{QString(), S40, QStringLiteral(" Параметры Модели:"), S40}));
    // A boolean value is "[да]"/"[нет]", any other its text; the label is "%4d. %s" in 44 columns.
    QCOMPARE(lines.at(4), Ln(QStringLiteral("   1. Датчик контрольной ленты"), QStringLiteral("[нет]"), 44));
    QCOMPARE(lines.at(4 + 11), QStringLiteral("   12. Поле настройки расчета налогов в таблице 1: 9"));
    QCOMPARE(lines.at(lines.size() - 2), Ln(QStringLiteral("  73. Номер таблицы параметров ОФД"), QStringLiteral("19"), 44));
    QCOMPARE(lines.last(), Ln(QStringLiteral("  75. Номер таблицы параметров автомата"), QStringLiteral("24"), 44));
}

void TestStatusPages::errorDescriptions()
{
    TfmDeviceStatus *page = RequestsPage();
    QTest::mouseClick(Button(page, "btnErrorList"), Qt::LeftButton);
    const QStringList lines = MemoLines(page);
    QCOMPARE(lines.size(), 4 + 256);
    QCOMPARE(lines.mid(0, 4), (QStringList{QString(), S40, QStringLiteral(" Описания ошибок"), S40}));
    QCOMPARE(lines.at(4), QStringLiteral(" 00: ") + emu::errorDescription(0));
    QCOMPARE(lines.at(4 + 0x5D), QStringLiteral(" 5D: ") + emu::errorDescription(0x5D));
    QCOMPARE(lines.last(), QStringLiteral(" FF: ") + emu::errorDescription(255));
}

void TestStatusPages::requestListEndsAtFailedRead_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("heading");
    QTest::newRow("model parameters") << "btnGetModelParams" << "ReadModelParam" << " Параметры Модели:";
    QTest::newRow("error descriptions") << "btnErrorList" << "ReadErrorDescription" << " Описания ошибок";
}

void TestStatusPages::requestListEndsAtFailedRead()
{
    QFETCH(QString, button);
    QFETCH(QString, method);
    QFETCH(QString, heading);
    QVERIFY(Device()->injectFault(method, 33, 1));
    TfmDeviceStatus *page = RequestsPage();
    QTest::mouseClick(Button(page, button.toLatin1().constData()), Qt::LeftButton);
    QCOMPARE(MemoLines(page), (QStringList{QString(), S40, heading, S40}));
    QVERIFY2(PanelResult().startsWith(QStringLiteral("(33) ")), qPrintable(PanelResult()));
    QVERIFY(FMessages.isEmpty());
}

void TestStatusPages::failedFirstCallLeavesMemoEmpty_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("method");
    QTest::newRow("long status") << "btnEcrStatus" << "GetECRStatus";
    QTest::newRow("short status") << "btnShortEcrStatus" << "GetShortECRStatus";
    QTest::newRow("device parameters") << "btnDeviceMetrics" << "GetDeviceMetrics";
    QTest::newRow("model parameters") << "btnGetModelParams" << "GetDeviceMetrics";
    QTest::newRow("error descriptions") << "btnErrorList" << "GetDeviceMetrics";
    // Not the number of an earlier answer shown as if it had just been read.
    QTest::newRow("serial number") << "btnSerial" << "ReadSerialNumber";
}

void TestStatusPages::failedFirstCallLeavesMemoEmpty()
{
    QFETCH(QString, button);
    QFETCH(QString, method);
    TfmDeviceStatus *page = RequestsPage();
    QTest::mouseClick(Button(page, "btnSerial"), Qt::LeftButton);
    QCOMPARE(MemoLines(page).size(), 1);

    QVERIFY(Device()->injectFault(method, 115, 1));
    QTest::mouseClick(Button(page, button.toLatin1().constData()), Qt::LeftButton);
    QCOMPARE(page->findChild<QPlainTextEdit *>(QStringLiteral("Memo"))->toPlainText(), QString());
    QCOMPARE(PanelResult(), QStringLiteral("(115) ") + emu::errorDescription(115));
    QVERIFY(FMessages.isEmpty());
    QVERIFY(Button(page, button.toLatin1().constData())->isEnabled());
}

void TestStatusPages::codeTexts()
{
    QCOMPARE(PortNumToStr(0), QStringLiteral("RS-232"));
    QCOMPARE(PortNumToStr(1), QStringLiteral("USB vCOM"));
    QCOMPARE(PortNumToStr(2), QStringLiteral("TCP сокет (RNDIS, Ethernet, WI-FI, ppp)"));
    QCOMPARE(PortNumToStr(3), QStringLiteral("I2C (Основная плата)"));
    QCOMPARE(PortNumToStr(4), QStringLiteral("неизвестный тип"));
    QCOMPARE(FMRecordTypeToStr(0), QStringLiteral("Фиск./активиз. ЭКЛЗ"));
    QCOMPARE(FMRecordTypeToStr(1), QStringLiteral("Сменный итог"));

    // Bit 1 wins over bit 0; the key count sits from bit 2 up.
    QCOMPARE(UpdateKeysStatusToStr(3), QStringLiteral("Требуется срочное обновление"));
    QCOMPARE(UpdateKeysStatusToStr(1), QStringLiteral("Требуется обновление"));
    QCOMPARE(UpdateKeysStatusToStr(4 << 2), QString());
    QCOMPARE(UpdateKeysErrorCodeToStr(0, (7 << 2) | 1), QStringLiteral("ОБНОВЛЕНО КЛЮЧЕЙ: 7, ОШИБОК НЕТ"));
    QCOMPARE(UpdateKeysErrorCodeToStr(254, 0), QStringLiteral("Обновление не производилось, потому что не требуется"));
    QCOMPARE(UpdateKeysErrorCodeToStr(255, 0), QStringLiteral("Нет связи с сервером АС ОКП"));
    QCOMPARE(UpdateKeysErrorCodeToStr(35, 0),
             QStringLiteral("Ошибка сервиса обновления ключей проверки кодов маркировки"));
    QCOMPARE(UpdateKeysErrorCodeToStr(99, 0), QStringLiteral("Неизвестный код ошибки"));
}

// No emulated model has an SKNO: the block is written from a status answer set by hand.
void TestStatusPages::sknoBlock()
{
    TDriver d;
    d.SKNOStatus = 0x0881; // busy, shift open, SKNO in order
    QPlainTextEdit memo;
    TStatusListing L(TListingKind::Requests, &memo);
    TStatusCaps caps;
    caps.FN = true;
    caps.SKNO = true;
    L.AddLongStatus(d, caps);
    const QStringList lines = memo.toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.mid(lines.size() - 14),
             (QStringList{S40, "Статус СКНО: 0881h", "Занят: [да]", "СКЗИ: [нет]", "Соединение с сервером: [нет]",
                          "Запрет обслуживания по окончанию сертификата СКЗИ: [нет]",
                          "Запрет обслуживания по не переданным суточным (сменным) отчетам (Z-отчетам): [нет]",
                          "Запрет обслуживания по переполнению памяти СКНО: [нет]",
                          "Идентификация прошла успешно: [нет]", "Смена открыта: [да]",
                          "Не завершена процедура по переданному документу: [нет]",
                          "Наличие в памяти СКНО не переданных документов: [нет]",
                          "Превышен максимальный размер электронного кассового документа: [нет]",
                          "СКНО исправно: [да]"}));
}

void TestStatusPages::tablesButtonOpensDialogOverThePage()
{
    QWidget *parent = nullptr;
    int tables = 0;
    kassio::setTablesDialogRunner([&](TfmTables &dialog) {
        parent = dialog.parentWidget();
        tables = dialog.findChild<QListWidget *>(QStringLiteral("lbTables"))->count();
    });
    TfmDeviceStatus *page = RequestsPage();
    QTest::mouseClick(Button(page, "btnTables"), Qt::LeftButton);
    QCOMPARE(parent, page->window());
    QCOMPARE(tables, static_cast<int>(emu::findModel(150)->tables.size()));
    QCOMPARE(PanelResult(), QStringLiteral("(0) Ошибок нет"));
}

// A register with fiscal memory and twelve tables: table 13 answers 93 and
// the listing goes on with the registers.
void TestStatusPages::fullListing()
{
    QVERIFY(Device()->factoryReset(110));
    TfmFullStatus *page = FullPage();
    QVERIFY(!Button(page, "btnInterrupt")->isEnabled());
    QTest::mouseClick(Button(page, "btnFullEcrStatus"), Qt::LeftButton);

    QStringList expected{QString(), S52, " Полное состояние", S52};
    expected << QString() << S52 << " Запрос состояния:" << S52 << " Режим: " << " 4, Закрытая смена" << S52
             << F("Версия ПО", "A.2") << F("Сборка ПО", "3817") << F("Дата ПО", "15.03.2016") << S52
             << F("Версия ПО ФП", "A.2") << F("Сборка ПО ФП", "3817") << F("Дата ПО ФП", "15.03.2016") << S52
             << F("Подрежим", "0, Бумага есть") << F("Статус режима", "0") << F("Номер ККМ в зале", "1")
             << F("Номер документа", "0") << F("Интерфейс подключения", "0") << F("Количество фискализаций", "0")
             << F("Осталось фискализаций", "16") << F("Последняя закрытая смена", "0")
             << F("Свободных записей в ФП", "2100") << F("Дата", "{DATE}") << F("Время", "{TIME}")
             << F("Заводской номер", "{SERIAL}") << F("ИНН", "не задан") << S52 << F("Флаги", "0292h, 658") << S52
             << DeviceFlags(false) << S52 << F("Флаги ФП", "03h, 3") << F("Доп. Флаги ФП", "00h, 0") << S52
             << B("24 часа в ФП кончились", false) << B("Смена в ФП открыта", false)
             << B("Последняя запись в ФП повреждена", false) << B("Батарея ФП заряжена более 80 %", true)
             << B("Переполнение ФП", false) << B("ФП2 есть", true) << B("ФП1 есть", true) << S52
             << B("Режим АСПД", false) << B("Повреждены 3 или более записей", false)
             << B("Повреждена запись фискализации", false) << S52;
    expected << QString() << S52 << " Краткий запрос состояния:" << S52 << " Режим: " << " 4, Закрытая смена" << S52
             << F("Подрежим", "0, Бумага есть") << F("Статус режима", "0") << F("Количество операций в чеке", "0")
             << F("Напряжение батареи, В", "3,02") << F("Напряжение источника, В", "24,10") << F("Ошибка ФП", "0")
             << F("Ошибка ЭКЛЗ", "0") << F("Предыдущий режим ККТ", "4") << F("Температура ТПГ", "27") << S52
             << F("Флаги", "0292h, 658") << S52 << DeviceFlags(false) << S52;
    expected << QString() << S52 << " Параметры принтера:" << S52 << " Кодовая страница    : 1251"
             << " Описание устройства : КАССИО-К 01" << " Версия протокола    : 1" << " Подверсия протокола : 0"
             << " Тип устройства      : 0" << " Подтип устройства   : 1" << " Модель устройства   : 110";
    QCOMPARE(emu::findModel(110)->tables.size(), std::size_t(12));
    expected << CatalogueTables(110);
    expected << QString() << " ДЕНЕЖНЫЕ РЕГИСТРЫ:" << QLatin1Char(' ') + QString(54, QLatin1Char('-'));
    for (int n = 0; n <= 255; ++n)
        expected << RegisterLine(n, emu::cashRegisterName(n), QStringLiteral("0,00"));
    expected << QString() << S52 << " ОПЕРАЦИОННЫЕ РЕГИСТРЫ:" << S52;
    for (int n = 0; n <= 255; ++n)
        expected << RegisterLine(n, emu::operationRegisterName(n), QStringLiteral("0,00"));
    expected << S52;

    const QStringList lines = MemoLines(page);
    expected = Resolve(expected);
    for (int i = 0; i < qMin(lines.size(), expected.size()); ++i)
        QVERIFY2(lines.at(i) == expected.at(i),
                 qPrintable(QStringLiteral("line %1: \"%2\" instead of \"%3\"").arg(i).arg(lines.at(i), expected.at(i))));
    QCOMPARE(lines.size(), expected.size());
    QVERIFY(!Button(page, "btnInterrupt")->isEnabled());
    QVERIFY(Button(page, "btnFullEcrStatus")->isEnabled());
}

void TestStatusPages::fullListingAborts_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("lastLine");
    QTest::addColumn<QString>("lineBefore");
    const QString aborted = QStringLiteral("Operation aborted");
    QTest::newRow("first call") << "GetDeviceMetrics" << 115 << aborted << " Полное состояние";
    QTest::newRow("a table's structure") << "GetTableStruct" << 115 << aborted << " ТАБЛИЦЫ:";
    // 93 ends the tables only for a table that does not exist, not inside one.
    QTest::newRow("93 inside a table") << "ReadTable" << 93 << aborted << " Ряд.Поле. Наименование:Значение";
    QTest::newRow("cash register")
        << "GetCashReg" << 115
        << QStringLiteral("<Прервано в результате ошибки: 115 %1>").arg(emu::errorDescription(115))
        << QString(QLatin1Char(' ') + QString(54, QLatin1Char('-')));
    QTest::newRow("operation register") << "GetOperationReg" << 115 << aborted << " ОПЕРАЦИОННЫЕ РЕГИСТРЫ:";
}

void TestStatusPages::fullListingAborts()
{
    QFETCH(QString, method);
    QFETCH(int, code);
    QFETCH(QString, lastLine);
    QFETCH(QString, lineBefore);
    QVERIFY(Device()->injectFault(method, code, 1));
    TfmFullStatus *page = FullPage();
    QTest::mouseClick(Button(page, "btnFullEcrStatus"), Qt::LeftButton);
    const QStringList lines = MemoLines(page);
    QCOMPARE(lines.last(), lastLine);
    // Separators may stand between the heading and the failure.
    const int before = lines.lastIndexOf(lineBefore);
    QVERIFY2(before >= 0, qPrintable(lineBefore));
    for (int i = before + 1; i < lines.size() - 1; ++i)
        QVERIFY2(lines.at(i) == S52, qPrintable(lines.at(i)));
    QVERIFY(FMessages.isEmpty());
    QVERIFY(!Button(page, "btnInterrupt")->isEnabled());
}

void TestStatusPages::interruptDuringCashRegisters()
{
    TfmFullStatus *page = FullPage();
    auto *memo = page->findChild<QPlainTextEdit *>(QStringLiteral("Memo"));
    QPushButton *interrupt = Button(page, "btnInterrupt");
    bool pressed = false;
    bool enabledWhilePressed = false;
    connect(memo, &QPlainTextEdit::textChanged, this, [&] {
        if (pressed || !memo->document()->lastBlock().text().startsWith(QStringLiteral("   5.")))
            return;
        pressed = true;
        enabledWhilePressed = interrupt->isEnabled();
        // Queued like a user's click: it arrives while the listing lets messages through.
        QMetaObject::invokeMethod(interrupt, &QPushButton::click, Qt::QueuedConnection);
    });
    QTest::mouseClick(Button(page, "btnFullEcrStatus"), Qt::LeftButton);
    disconnect(memo, nullptr, this, nullptr);

    QVERIFY(pressed);
    QVERIFY(enabledWhilePressed);
    const QStringList lines = MemoLines(page);
    QCOMPARE(lines.last(), QStringLiteral("<Прервано пользователем>"));
    QCOMPARE(lines.at(lines.size() - 2), RegisterLine(5, emu::cashRegisterName(5), QStringLiteral("0,00")));
    QVERIFY(!lines.contains(QStringLiteral(" ОПЕРАЦИОННЫЕ РЕГИСТРЫ:")));
    QVERIFY(!interrupt->isEnabled());

    // The next listing starts with the flag cleared.
    QVERIFY(Device()->injectFault(QStringLiteral("GetCashReg"), 115, 1));
    QTest::mouseClick(Button(page, "btnFullEcrStatus"), Qt::LeftButton);
    QVERIFY(MemoLines(page).last().startsWith(QStringLiteral("<Прервано в результате ошибки: 115 ")));
}

void TestStatusPages::saveWritesMemoLines()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("status.txt"));
    TfmFullStatus *page = FullPage();
    QVERIFY(Device()->injectFault(QStringLiteral("GetCashReg"), 115, 1));
    QTest::mouseClick(Button(page, "btnFullEcrStatus"), Qt::LeftButton);
    const QStringList lines = MemoLines(page);

    QString offered;
    SetSaveFileChooser([&](QWidget *, const QString &filter) {
        offered = filter;
        return QString(); // cancelled
    });
    QTest::mouseClick(Button(page, "btnSaveToFile"), Qt::LeftButton);
    QCOMPARE(offered, QStringLiteral("Текстовые файлы (*.txt);;Все файлы (*.*)"));
    QVERIFY(!QFile::exists(file));

    SetSaveFileChooser([&](QWidget *, const QString &) { return file; });
    QTest::mouseClick(Button(page, "btnSaveToFile"), Qt::LeftButton);
    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(saved.readAll()), lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    QVERIFY(FMessages.isEmpty());
}

void TestStatusPages::saveFailureShowsError()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("missing/status.txt"));
    SetSaveFileChooser([&](QWidget *, const QString &) { return file; });
    QTest::mouseClick(Button(FullPage(), "btnSaveToFile"), Qt::LeftButton);
    QCOMPARE(FMessages.size(), 1);
    QVERIFY2(FMessages.first().text.startsWith(QStringLiteral("Ошибка записи файла \"%1\": ").arg(file)),
             qPrintable(FMessages.first().text));
    QVERIFY(!QFile::exists(file));
}

QTEST_MAIN(TestStatusPages)
#include "tst_statuspages.moc"
