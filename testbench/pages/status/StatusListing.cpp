#include "testbench/pages/status/StatusListing.h"

#include "testbench/pages/fn/FnCodes.h"

#include "driver/Driver.h"
#include "driver/Helpers.h"
#include "testbench/shell/Translation.h"

#include <QFont>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace {

QString ShortDate(const QDateTime &value)
{
    return QLocale().toString(value.date(), QLocale::ShortFormat);
}

QString ShortTime(const QDateTime &value)
{
    return QLocale().toString(value.time(), QLocale::ShortFormat);
}

// "%.Nxh, %d": the flags in hexadecimal and in decimal.
QString FlagsText(int value, int digits)
{
    return HexText(value, digits) + QStringLiteral("h, ") + QString::number(value);
}

QString NumberAndText(int number, const QString &text)
{
    return QString::number(number) + QStringLiteral(", ") + text;
}

} // namespace

QString HexText(qint64 value, int digits)
{
    return QString::number(value, 16).toUpper().rightJustified(digits, QLatin1Char('0'));
}

QString PortNumToStr(int n)
{
    switch (n) {
    case 0: return QStringLiteral("RS-232");
    case 1: return QStringLiteral("USB vCOM");
    case 2: return KassioTest::tr("TCP сокет (RNDIS, Ethernet, WI-FI, ppp)");
    case 3: return KassioTest::tr("I2C (Основная плата)");
    default: return KassioTest::tr("неизвестный тип");
    }
}

QString FMRecordTypeToStr(int n)
{
    return n == 0 ? KassioTest::tr("Фиск./активиз. ЭКЛЗ") : KassioTest::tr("Сменный итог");
}

QString UpdateKeysStatusToStr(int s)
{
    if (TestBit(s, 1))
        return KassioTest::tr("Требуется срочное обновление");
    if (TestBit(s, 0))
        return KassioTest::tr("Требуется обновление");
    return {};
}

QString UpdateKeysErrorCodeToStr(int code, int s)
{
    switch (code) {
    case 0: return KassioTest::tr("ОБНОВЛЕНО КЛЮЧЕЙ: %1, ОШИБОК НЕТ").arg(GetKeysCount(s));
    case 254: return KassioTest::tr("Обновление не производилось, потому что не требуется");
    case 255: return KassioTest::tr("Нет связи с сервером АС ОКП");
    default: return GetFNErrorDescription(code);
    }
}

TStatusListing::TStatusListing(TListingKind kind, QPlainTextEdit *memo)
    : FKind(kind)
    , FMemo(memo)
    , FLines(memo->document()->isEmpty() ? 0 : memo->document()->blockCount())
{
}

void TStatusListing::AddText(const QString &text)
{
    // Lines go in block by block: appending to an empty memo would swallow
    // a listing's first empty line.
    QTextCursor cursor(FMemo->document());
    cursor.movePosition(QTextCursor::End);
    if (FLines > 0)
        cursor.insertBlock();
    cursor.insertText(text);
    ++FLines;
}

void TStatusListing::AddMemoLine(const QString &text)
{
    AddText(QLatin1Char(' ') + text);
}

void TStatusListing::AddLineWidth(const QString &label, const QString &value, int width)
{
    AddMemoLine(label.leftJustified(width) + QStringLiteral(": ") + value);
}

void TStatusListing::AddLine(const QString &label, const QString &value)
{
    AddLineWidth(label, value, FKind == TListingKind::Requests ? 26 : 24);
}

void TStatusListing::AddLine(const QString &label, int value)
{
    AddLine(label, QString::number(value));
}

void TStatusListing::AddBool(const QString &label, bool flag)
{
    AddLineWidth(label, BoolToYesNo(flag), 33);
}

void TStatusListing::AddSeparator()
{
    AddMemoLine(QString(FKind == TListingKind::Requests ? 40 : 52, QLatin1Char('-')));
}

void TStatusListing::AddHeading(const QString &heading)
{
    AddText(QString());
    AddSeparator();
    AddText(heading);
    AddSeparator();
}

void TStatusListing::AddModeLines(TDriver &d, const QString &heading, const QString &modeIndent)
{
    AddHeading(heading);
    AddText(KassioTest::tr(" Режим: "));
    AddText(modeIndent + NumberAndText(d.ECRMode, d.ECRModeDescription));
    AddSeparator();
}

void TStatusListing::AddLongStatus(TDriver &d, const TStatusCaps &caps)
{
    const bool full = FKind == TListingKind::Full;
    const bool fm = !caps.FN;
    AddModeLines(d, KassioTest::tr(" Запрос состояния:"), full ? QStringLiteral(" ") : QStringLiteral("  "));

    AddLine(KassioTest::tr("Версия ПО"), d.ECRSoftVersion);
    AddLine(KassioTest::tr("Сборка ПО"), d.ECRBuild);
    AddLine(KassioTest::tr("Дата ПО"), ShortDate(d.ECRSoftDate));
    if (fm) {
        AddSeparator();
        AddLine(KassioTest::tr("Версия ПО ФП"), d.FMSoftVersion);
        AddLine(KassioTest::tr("Сборка ПО ФП"), d.FMBuild);
        AddLine(KassioTest::tr("Дата ПО ФП"), ShortDate(d.FMSoftDate));
    }

    AddSeparator();
    AddLine(KassioTest::tr("Подрежим"), NumberAndText(d.ECRAdvancedMode, d.ECRAdvancedModeDescription));
    AddLine(KassioTest::tr("Статус режима"), d.ECRModeStatus);
    AddLine(KassioTest::tr("Номер ККМ в зале"), d.LogicalNumber);
    AddLine(KassioTest::tr("Номер документа"), QString::number(static_cast<quint32>(d.OpenDocumentNumber)));
    AddLine(KassioTest::tr("Интерфейс подключения"),
            full ? QString::number(d.PortNumber) : NumberAndText(d.PortNumber, PortNumToStr(d.PortNumber)));
    if (fm) {
        AddLine(KassioTest::tr("Количество фискализаций"), d.RegistrationNumber);
        AddLine(KassioTest::tr("Осталось фискализаций"), d.FreeRegistration);
    }
    AddLine(KassioTest::tr("Последняя закрытая смена"), d.SessionNumber);
    if (fm)
        AddLine(KassioTest::tr("Свободных записей в ФП"), d.FreeRecordInFM);
    AddLine(KassioTest::tr("Дата"), ShortDate(d.Date));
    AddLine(KassioTest::tr("Время"), ShortTime(d.Time));
    if (!full || fm)
        AddLine(KassioTest::tr("Заводской номер"), GetSerialNumber(d.SerialNumber));
    AddLine(KassioTest::tr("ИНН"), GetINN(d.INN));

    AddDeviceFlags(d, full ? KassioTest::tr("Флаги") : KassioTest::tr("Флаги") + QLatin1Char(' ') + KassioTest::tr("кассовой техники"),
                   caps.FN);

    if (fm) {
        AddSeparator();
        AddLine(KassioTest::tr("Флаги ФП"), FlagsText(d.FMFlags, 2));
        if (full && caps.CashCore)
            AddLine(KassioTest::tr("Доп. Флаги ФП"), FlagsText(d.FMFlagsEx, 2));
        AddSeparator();
        AddBool(KassioTest::tr("24 часа в ФП кончились"), d.IsFM24HoursOver);
        AddBool(KassioTest::tr("Смена в ФП открыта"), d.IsFMSessionOpen);
        AddBool(KassioTest::tr("Последняя запись в ФП повреждена"), d.IsLastFMRecordCorrupted);
        AddBool(KassioTest::tr("Батарея ФП заряжена более 80 %"), !d.IsBatteryLow);
        AddBool(KassioTest::tr("Переполнение ФП"), d.FMOverflow);
        AddBool(KassioTest::tr("ФП2 есть"), d.FM2IsPresent);
        AddBool(KassioTest::tr("ФП1 есть"), d.FM1IsPresent);
    }

    if (caps.CashCore) {
        AddSeparator();
        AddBool(KassioTest::tr("Режим АСПД"), d.IsASPDMode);
        if (!full)
            AddBool(KassioTest::tr("Блокировка ККТ по неверному паролю НИ"), d.IsBlockedByWrongTaxPassword);
        if (fm) {
            AddBool(KassioTest::tr("Повреждены 3 или более записей"), d.IsCorruptedFMRecords);
            AddBool(KassioTest::tr("Повреждена запись фискализации"), d.IsCorruptedFiscalizationInfo);
            if (!full)
                AddLine(KassioTest::tr("Тип последней записи ФП"), FMRecordTypeToStr(d.LastFMRecordType));
        }
    }

    AddSeparator();
    if (!full && caps.SKNO)
        AddSKNOStatus(d.SKNOStatus);
}

void TStatusListing::AddShortStatus(TDriver &d, const TStatusCaps &caps)
{
    const bool full = FKind == TListingKind::Full;
    AddModeLines(d, KassioTest::tr(" Краткий запрос состояния:"), QStringLiteral(" "));

    AddLine(KassioTest::tr("Подрежим"), NumberAndText(d.ECRAdvancedMode, d.ECRAdvancedModeDescription));
    AddLine(KassioTest::tr("Статус режима"), d.ECRModeStatus);
    AddLine(KassioTest::tr("Количество операций в чеке"), d.QuantityOfOperations);
    AddLine(KassioTest::tr("Напряжение батареи, В"), QLocale().toString(d.BatteryVoltage, 'f', 2));
    AddLine(KassioTest::tr("Напряжение источника, В"), QLocale().toString(d.PowerSourceVoltage, 'f', 2));
    if (full && !caps.FN) {
        AddLine(KassioTest::tr("Ошибка ФП"), d.FMResultCode);
        AddLine(KassioTest::tr("Ошибка ЭКЛЗ"), d.EKLZResultCode);
    }
    AddLine(KassioTest::tr("Предыдущий режим ККТ"), d.PreviousECRMode);
    AddLine(KassioTest::tr("Температура ТПГ"), d.PrinterHeadTemperature);
    if (!full && caps.ModelID == 254) {
        AddLine(KassioTest::tr("Код ошибки при обновлении ключей"),
                NumberAndText(d.UpdateKeysResultCode, UpdateKeysErrorCodeToStr(d.UpdateKeysResultCode, d.UpdateKeysStatus)));
        AddLine(KassioTest::tr("Статус обновления ключей"),
                NumberAndText(d.UpdateKeysStatus, UpdateKeysStatusToStr(d.UpdateKeysStatus)));
        AddLine(KassioTest::tr("Кол-во обновленных ключей"), GetKeysCount(d.UpdateKeysStatus));
    }
    if (!full && caps.LastPrintResult)
        AddLine(KassioTest::tr("Результат последней печати"), d.LastPrintResult);

    AddDeviceFlags(d, full ? KassioTest::tr("Флаги") : KassioTest::tr("Флаги") + QLatin1Char(' ') + KassioTest::tr("кассовой техники"),
                   caps.FN);
    AddSeparator();
}

void TStatusListing::AddDeviceMetrics(TDriver &d)
{
    AddHeading(KassioTest::tr(" Параметры принтера:"));
    QString codePage = QString::number(d.UCodePage);
    if (FKind == TListingKind::Requests)
        codePage += QStringLiteral(", ") + d.UCodePageText;
    AddText(KassioTest::tr(" Кодовая страница    : ") + codePage);
    AddText(KassioTest::tr(" Описание устройства : ") + d.UDescription);
    AddText(KassioTest::tr(" Версия протокола    : ") + QString::number(d.UMajorProtocolVersion));
    AddText(KassioTest::tr(" Подверсия протокола : ") + QString::number(d.UMinorProtocolVersion));
    AddText(KassioTest::tr(" Тип устройства      : ") + QString::number(d.UMajorType));
    AddText(KassioTest::tr(" Подтип устройства   : ") + QString::number(d.UMinorType));
    AddText(KassioTest::tr(" Модель устройства   : ") + QString::number(d.UModel));
}

void TStatusListing::AddDeviceFlags(TDriver &d, const QString &label, bool fn)
{
    AddSeparator();
    AddLine(label, FlagsText(d.ECRFlags, 4));
    AddSeparator();
    AddBool(KassioTest::tr("Увеличенная точность количества"), d.QuantityPointPosition);
    AddBool(KassioTest::tr("Бумага на выходе из накопителя"), d.PresenterOut);
    AddBool(KassioTest::tr("Бумага на входе в накопитель"), d.PresenterIn);
    if (!fn)
        AddBool(KassioTest::tr("ЭКЛЗ почти заполнена"), d.IsEKLZOverflow);
    AddBool(KassioTest::tr("Денежный ящик открыт"), d.IsDrawerOpen);
    AddBool(KassioTest::tr("Крышка корпуса поднята"), d.LidPositionSensor);
    AddBool(KassioTest::tr("Рычаг термоголовки чека опущен"), d.ReceiptRibbonLever);
    AddBool(KassioTest::tr("Рычаг термоголовки журнала опущен"), d.JournalRibbonLever);
    AddBool(KassioTest::tr("Оптический датчик чека"), d.ReceiptRibbonOpticalSensor);
    AddBool(KassioTest::tr("Оптический датчик журнала"), d.JournalRibbonOpticalSensor);
    if (!fn)
        AddBool(KassioTest::tr("ЭКЛЗ есть"), d.EKLZIsPresent);
    AddBool(KassioTest::tr("2 знака после запятой в цене"), d.PointPosition);
    AddBool(KassioTest::tr("Нижний датчик ПД"), d.SlipDocumentIsPresent);
    AddBool(KassioTest::tr("Верхний датчик ПД"), d.SlipDocumentIsMoving);
    AddBool(KassioTest::tr("Рулон чековой ленты"), d.ReceiptRibbonIsPresent);
    AddBool(KassioTest::tr("Рулон контрольной ленты"), d.JournalRibbonIsPresent);
}

void TStatusListing::AddSKNOStatus(int status)
{
    static const char *const bits[] = {
        QT_TRANSLATE_NOOP("KassioTest", "Занят"),
        QT_TRANSLATE_NOOP("KassioTest", "СКЗИ"),
        QT_TRANSLATE_NOOP("KassioTest", "Соединение с сервером"),
        QT_TRANSLATE_NOOP("KassioTest", "Запрет обслуживания по окончанию сертификата СКЗИ"),
        QT_TRANSLATE_NOOP("KassioTest", "Запрет обслуживания по не переданным суточным (сменным) отчетам (Z-отчетам)"),
        QT_TRANSLATE_NOOP("KassioTest", "Запрет обслуживания по переполнению памяти СКНО"),
        QT_TRANSLATE_NOOP("KassioTest", "Идентификация прошла успешно"),
        QT_TRANSLATE_NOOP("KassioTest", "Смена открыта"),
        QT_TRANSLATE_NOOP("KassioTest", "Не завершена процедура по переданному документу"),
        QT_TRANSLATE_NOOP("KassioTest", "Наличие в памяти СКНО не переданных документов"),
        QT_TRANSLATE_NOOP("KassioTest", "Превышен максимальный размер электронного кассового документа"),
        QT_TRANSLATE_NOOP("KassioTest", "СКНО исправно"),
    };
    AddText(KassioTest::tr("Статус СКНО:") + QLatin1Char(' ') + HexText(status, 4) + QLatin1Char('h'));
    for (int bit = 0; bit < static_cast<int>(std::size(bits)); ++bit)
        AddText(KassioTest::tr(bits[bit]) + QStringLiteral(": ") + BoolToYesNo(TestBit(status, bit)));
}
