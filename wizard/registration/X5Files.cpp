#include "wizard/registration/X5Files.h"

#include "wizard/registration/RegDataError.h"

#include <QFile>
#include <QSaveFile>
#include <QStringConverter>
#include <QStringList>

#include <optional>

namespace {

constexpr auto kCodePage = "windows-1251";
const QString kDateTimeFormat = QStringLiteral("dd.MM.yyyy hh:mm:ss");

[[noreturn]] void codePageMissing()
{
    throw ERegDataError(QStringLiteral("Кодовая страница 1251 недоступна"));
}

// Lines of the file without their CR LF or LF ends.
QStringList readLines(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw ERegDataError(QStringLiteral("Не удается открыть файл \"%1\": %2").arg(fileName, file.errorString()));
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw ERegDataError(QStringLiteral("Не удается прочитать файл \"%1\": %2").arg(fileName, file.errorString()));
    QStringDecoder decoder(kCodePage);
    if (!decoder.isValid())
        codePageMissing();
    QStringList lines = QString(decoder.decode(data)).split(u'\n');
    for (QString &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
}

// A value is one line: a line break inside it would split the attribute.
QString oneLine(QString value)
{
    value.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    return value;
}

void writeLines(const QString &fileName, const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += oneLine(line) + QStringLiteral("\r\n");
    QStringEncoder encoder(kCodePage);
    if (!encoder.isValid())
        codePageMissing();
    const QByteArray data = encoder.encode(text);
    // Written aside and renamed at commit, so a failed write leaves the
    // previous file as it was.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        throw ERegDataError(QStringLiteral("Не удается записать файл \"%1\": %2").arg(fileName, file.errorString()));
}

QString flag(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

QString bit(int value, int index)
{
    return flag((value >> index) & 1);
}

QString pair(const QString &name, const QString &value)
{
    return name + QStringLiteral(": ") + value;
}

// The registration data file: attributes looked up by name.
class TX5Attributes
{
public:
    explicit TX5Attributes(QStringList lines) : FLines(std::move(lines)) {}

    QString text(const QString &name) const { return find(name).value; }
    bool flag(const QString &name) const { return find(name).value.trimmed() == QStringLiteral("1"); }

    int number(const QString &name, int min, int max) const
    {
        const TAttribute attribute = find(name);
        const std::optional<int> value = toNumber(attribute);
        if (!value || *value < min || *value > max)
            throw valueError(name, attribute);
        return *value;
    }

    // The tax system number 0 to 5 as its bit.
    quint8 taxSystem(const QString &name) const
    {
        const TAttribute attribute = find(name);
        const std::optional<int> value = toNumber(attribute);
        if (!value)
            throw valueError(name, attribute);
        if (*value < 0 || *value > 5)
            throw ERegDataError(QStringLiteral("Некорректная система налогообложения: ") + attribute.value
                                + lineSuffix(attribute));
        return quint8(1u << *value);
    }

private:
    struct TAttribute
    {
        QString value;
        int line = 0; // 1-based
    };

    static QString lineSuffix(const TAttribute &attribute)
    {
        return QStringLiteral(" (строка %1)").arg(attribute.line);
    }

    static std::optional<int> toNumber(const TAttribute &attribute)
    {
        bool ok = false;
        const int value = attribute.value.trimmed().toInt(&ok);
        return ok ? std::optional<int>(value) : std::nullopt;
    }

    static ERegDataError valueError(const QString &name, const TAttribute &attribute)
    {
        return ERegDataError(QStringLiteral("Некорректное значение атрибута файла\"%1\": %2").arg(name, attribute.value)
                             + lineSuffix(attribute));
    }

    // The first line that starts with the name and a colon, letter case
    // aside; the value after the colon loses one leading blank.
    TAttribute find(const QString &name) const
    {
        const QString key = name + u':';
        for (qsizetype i = 0; i < FLines.size(); ++i) {
            const QString &line = FLines.at(i);
            if (!line.startsWith(key, Qt::CaseInsensitive))
                continue;
            QString value = line.mid(key.size());
            if (value.startsWith(u' '))
                value.remove(0, 1);
            return {value, int(i + 1)};
        }
        throw ERegDataError(QStringLiteral("Не найден атрибут файла: ") + name);
    }

    QStringList FLines;
};

} // namespace

QString X5TaxServiceSite()
{
    return QStringLiteral("www.nalog.gov.ru");
}

// The customer's address for receipts sent by its registers; it belongs to
// the customer and changes only when the customer says so.
QString X5SenderEmail()
{
    return QStringLiteral("noreply@kkt.x5.example");
}

QString X5FNModel(int index)
{
    static const QStringList models = {QStringLiteral("1"), QStringLiteral("1.05"), QStringLiteral("1.1")};
    return models.value(index);
}

QString X5FileName(int docType, const QString &kktSerial, const QString &factoryCode, const QDate &date)
{
    QString name = QStringLiteral("%1_%2_%3_%4.txt")
                       .arg(date.toString(QStringLiteral("yyyyMMdd")))
                       .arg(docType, 2, 10, QChar(u'0'))
                       .arg(factoryCode, kktSerial);
    for (QChar &c : name) {
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c < u' ')
            c = u'_';
    }
    return name;
}

void ReadX5RegParams(const QString &fileName, TRegParams &params)
{
    const TX5Attributes file(readLines(fileName));
    TRegParams result = params;
    result.User = file.text(QStringLiteral("наименование пользователя"));
    result.Address = file.text(QStringLiteral("Адрес"));
    result.INN = file.text(QStringLiteral("ИНН пользователя"));
    result.RNM = file.text(QStringLiteral("рег. номер ККТ"));
    result.TaxSystem = file.taxSystem(QStringLiteral("системы налогообложения"));

    const auto bits = [&file](std::initializer_list<std::pair<const char16_t *, int>> flags) {
        quint8 value = 0;
        for (const auto &[name, index] : flags) {
            if (file.flag(QString::fromUtf16(name)))
                value |= quint8(1u << index);
        }
        return value;
    };
    result.Agent = bits({{u"Признак банковского агента", 0},
                         {u"Признак банковского субагента", 1},
                         {u"признак платежного агента", 2},
                         {u"Признак платежного субагента", 3}});
    result.WorkMode = bits({{u"автономный режим", 1},
                            {u"признак АС БСО", 4},
                            {u"признак шифрования", 0},
                            {u"автоматический режим", 2},
                            {u"признак услуги", 3},
                            {u"признак расчетов в интернете", 5}});
    result.LotterySign = file.flag(QStringLiteral("признак лотереи"));
    result.DeliveryTradeSign = file.flag(QStringLiteral("признак развозной торговли"));
    result.ExciseSign = file.flag(QStringLiteral("признак продажи подакцизных товаров"));
    result.GameSign = file.flag(QStringLiteral("признак проведения игр"));
    result.PayTerminalSign = file.flag(QStringLiteral("признак платежный терминал"));
    result.PrinterInAutomat = file.flag(QStringLiteral("признак установки принтера в автомате"));
    // The extra work modes these four flags stand for. Left at "nothing
    // chosen" (255) the registration would write all eight modes.
    result.WorkModeEx = quint8((result.ExciseSign ? 1u : 0u) | (result.GameSign ? 2u : 0u)
                               | (result.LotterySign ? 4u : 0u) | (result.PrinterInAutomat ? 8u : 0u));
    result.PayPlace = file.text(QStringLiteral("место расчетов"));
    result.OFDName = file.text(QStringLiteral("наименование ОФД"));
    result.OFDINN = file.text(QStringLiteral("ИНН ОФД"));
    result.OFDServer = file.text(QStringLiteral("Сервер ОФД"));
    // The register keeps the port in two bytes: a larger number would be
    // cut to another port.
    result.OFDPort = file.number(QStringLiteral("Порт"), 0, 65535);
    params = result;
}

void WriteX5KKTParams(const QString &fileName, const TX5KKTParamsRec &rec)
{
    writeLines(fileName, {
        QStringLiteral("Параметры ФР"),
        QString(36, u'='),
        pair(QStringLiteral("Код завода"), rec.FactoryCode),
        pair(QStringLiteral("зав. номер ККТ"), rec.KKTSerial),
        pair(QStringLiteral("Модель ККТ"), rec.KKTModel),
        pair(QStringLiteral("зав. номер ФН"), rec.FNSerial),
        pair(QStringLiteral("Модель ФН"),
             QStringLiteral("ФН Шифровальное (криптографическое) средство защиты фискальных данных "
                            "фискальный накопитель ФН-") + rec.FNModel),
        pair(QStringLiteral("Версия модели"), rec.KKTModelNumber),
        pair(QStringLiteral("Номер автомата"), rec.AutomatNumber),
        QStringLiteral("Производитель: Veltra"),
    });
}

void WriteX5RegReport(const QString &fileName, const TRegParams &params)
{
    // The lowest of bits 0 to 5 that is set; empty when none is.
    QString taxSystem;
    for (int i = 0; i <= 5; ++i) {
        if ((params.TaxSystem >> i) & 1) {
            taxSystem = QString::number(i);
            break;
        }
    }
    QStringList lines = {
        QStringLiteral("Отчёт о регистрации"),
        QString(36, u'='),
        pair(QStringLiteral("наименование пользователя"), params.User),
        pair(QStringLiteral("адрес"), params.Address),
        pair(QStringLiteral("ИНН пользователя"), params.INN),
        pair(QStringLiteral("рег. номер ККТ"), params.RNM),
        pair(QStringLiteral("зав. номер ККТ"), params.KKTSerial),
        pair(QStringLiteral("системы налогообложения"), taxSystem),
        pair(QStringLiteral("признак лотереи"), flag(params.LotterySign)),
        pair(QStringLiteral("признак проведения игр"), flag(params.GameSign)),
        pair(QStringLiteral("признак банковского агента"), bit(params.Agent, 0)),
        pair(QStringLiteral("признак банковского субагента"), bit(params.Agent, 1)),
        pair(QStringLiteral("признак платежного агента"), bit(params.Agent, 2)),
        pair(QStringLiteral("признак платежного субагента"), bit(params.Agent, 3)),
        pair(QStringLiteral("признак развозной торговли"), flag(params.DeliveryTradeSign)),
        pair(QStringLiteral("признак платежный терминал"), flag(params.PayTerminalSign)),
        pair(QStringLiteral("признак продажи подакцизных товаров"), flag(params.ExciseSign)),
        pair(QStringLiteral("Тип документа"), QString::number(params.DocType)),
        pair(QStringLiteral("автономный режим"), bit(params.WorkMode, 1)),
        pair(QStringLiteral("признак услуги"), bit(params.WorkMode, 3)),
        pair(QStringLiteral("признак шифрования"), bit(params.WorkMode, 0)),
        pair(QStringLiteral("признак расчетов в интернете"), bit(params.WorkMode, 5)),
        pair(QStringLiteral("автоматический режим"), bit(params.WorkMode, 2)),
        pair(QStringLiteral("номер автомата"), params.AutomatNumber),
        pair(QStringLiteral("ИНН ОФД"), params.OFDINN),
    };
    if (params.NewFN || !params.FirstTime)
        lines << pair(QStringLiteral("Код причины перерегистрации"), QString::number(params.ReasonCode));
    lines << pair(QStringLiteral("признак установки принтера в автомате"), flag(params.PrinterInAutomat))
          << pair(QStringLiteral("признак АС БСО"), bit(params.WorkMode, 4))
          << pair(QStringLiteral("место расчетов"), params.PayPlace)
          << pair(QStringLiteral("адрес сайта ФНС"), X5TaxServiceSite())
          << pair(QStringLiteral("адрес электронной почты отправителя чека"), X5SenderEmail())
          << pair(QStringLiteral("наименование ОФД"), params.OFDName)
          << pair(QStringLiteral("версия ККТ"), params.VersionKKT)
          << pair(QStringLiteral("версия ФФД ККТ"), QString::number(params.FFD))
          << pair(QStringLiteral("версия ФФД"), QString::number(params.FFD))
          << pair(QStringLiteral("зав. номер ФН"), params.FNSerial)
          << pair(QStringLiteral("дата, время"), params.DateTime.toString(kDateTimeFormat))
          // Document numbers are unsigned 32-bit in the register.
          << pair(QStringLiteral("порядковый номер ФД"), QString::number(quint32(params.DocNumber)))
          << pair(QStringLiteral("ФП документа"), params.FiscalSign)
          << pair(QStringLiteral("кассир"), params.Cashier);
    writeLines(fileName, lines);
}

void WriteX5CloseFNReport(const QString &fileName, const TX5CloseFNRec &rec)
{
    writeLines(fileName, {
        QStringLiteral("Отчёт о закрытии архива"),
        QString(37, u'='),
        QStringLiteral("Тип документа: 3"),
        pair(QStringLiteral("наименование пользователя"), rec.UserName),
        pair(QStringLiteral("адрес"), rec.Address),
        pair(QStringLiteral("место расчетов"), rec.PayPlace),
        pair(QStringLiteral("ИНН пользователя"), rec.INN),
        pair(QStringLiteral("рег. номер ККТ"), rec.RNM),
        pair(QStringLiteral("зав. номер ККТ"), rec.KKTSerial),
        pair(QStringLiteral("версия ФФД"), QString::number(rec.FFD)),
        pair(QStringLiteral("номер смены"), QString::number(rec.SessionNumber)),
        pair(QStringLiteral("кассир"), rec.Cashier),
        pair(QStringLiteral("ИНН кассира"), rec.CashierINN),
        pair(QStringLiteral("зав. номер ФН"), rec.FNSerial),
        pair(QStringLiteral("дата, время"), rec.DateTime.toString(kDateTimeFormat)),
        pair(QStringLiteral("порядковый номер ФД"), QString::number(quint32(rec.DocNumber))),
        pair(QStringLiteral("ФП документа"), rec.FiscalSign),
    });
}
