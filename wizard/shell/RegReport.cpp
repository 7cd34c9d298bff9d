#include "wizard/shell/RegReport.h"

namespace {

// Names of a code, empty for codes outside the table.
QString nameOf(const QStringList &names, int index)
{
    return index >= 0 && index < names.size() ? names[index] : QString();
}

// One line per set bit of `bits`, names[i] for bit i.
void addBitLines(TSlip &slip, quint32 bits, const QStringList &names)
{
    for (int i = 0; i < names.size(); ++i)
        if (bits & (1u << i))
            slip.AddStr(names[i], false);
}

} // namespace

QString FFDName(int ffd)
{
    static const QStringList names{QStringLiteral("ФФД 1.0 beta"), QStringLiteral("ФФД 1.0 new"),
                                   QStringLiteral("ФФД 1.05"), QStringLiteral("ФФД 1.1"), QStringLiteral("ФФД 1.2")};
    return nameOf(names, ffd);
}

void FillRegReport(TSlip &slip, bool resultLines, const TRegParams &r, const TReasonCodesSource *reasons)
{
    if (resultLines) {
        slip.AddStr(QStringLiteral("ОТЧЕТ О РЕГИСТРАЦИИ"), true);
        slip.AddPair(QStringLiteral("Дата, Время:"), r.DateTime.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")));
        slip.AddPair(QStringLiteral("Номер ФД:"), QString::number(r.DocNumber));
        slip.AddPair(QStringLiteral("ФПД:"), r.FiscalSign);
    }
    slip.AddPair(QStringLiteral("РНМ ККТ:"), r.RNM);
    slip.AddPair(QStringLiteral("ЗН ККТ:"), r.KKTSerial);
    slip.AddPair(QStringLiteral("ЗН ФН:"), r.FNSerial);
    slip.AddPair(QStringLiteral("Пользователь:"), r.User);
    slip.AddPair(QStringLiteral("ИНН пользователя:"), r.INN);
    slip.AddPair(QStringLiteral("Кассир:"), r.Cashier);
    if (!r.CashierINN.isEmpty())
        slip.AddPair(QStringLiteral("ИНН кассира:"), r.CashierINN);
    slip.AddPair(QStringLiteral("Адрес расчета:"), r.Address);
    slip.AddPair(QStringLiteral("Место расчета:"), r.PayPlace);
    slip.AddPair(QStringLiteral("E-mail отправит.:"), r.SenderEmail);
    slip.AddPair(QStringLiteral("Сайт налог. органа:"), r.TaxOfficeURL);
    slip.AddPair(QStringLiteral("Версия ФФД:"), FFDName(r.FFD));

    if (!r.FirstTime && !r.NewFN) {
        static const QStringList reasonNames{QString(), QStringLiteral("Замена ФН"), QStringLiteral("Замена ОФД"),
                                             QStringLiteral("Изменение реквизитов"),
                                             QStringLiteral("Изменение настроек ККТ")};
        slip.AddPair(QStringLiteral("Причина перерегистр.:"), nameOf(reasonNames, r.ReasonCode));
    }
    if (!r.FirstTime && r.FFD > 2) {
        slip.AddStr(QStringLiteral("Расширенные коды причин изменения сведений о ККТ:"), false);
        for (int bit = 0; bit <= 31; ++bit) {
            if ((bit > 21 && bit < 31) || !(r.ReasonCodesEx & (1u << bit)))
                continue;
            const QString text = reasons ? reasons->ReasonText(bit) : QString();
            slip.AddStr(QStringLiteral("  %1 [%2]").arg(bit).arg(text), false);
        }
    }

    slip.AddPair(QStringLiteral("Имя ОФД:"), r.OFDName);
    slip.AddPair(QStringLiteral("ИНН ОФД:"), r.OFDINN);
    if (!r.OFDUrl.isEmpty())
        slip.AddPair(QStringLiteral("Сайт ОФД:"), r.OFDUrl);
    slip.AddPair(QStringLiteral("Сервер ОФД:"), r.OFDServer);
    slip.AddPair(QStringLiteral("Порт ОФД:"), QString::number(r.OFDPort));
    if (r.FFD == 4) {
        slip.AddPair(QStringLiteral("Сервер КМ:"), r.ServerKM);
        slip.AddPair(QStringLiteral("Порт КМ:"), QString::number(r.PortKM));
    }

    slip.AddStr(QStringLiteral("Системы налогообложения"), false);
    addBitLines(slip, r.TaxSystem,
                {QStringLiteral(" [ОСН]"), QStringLiteral(" [УСН доход]"), QStringLiteral(" [УСН доход минус расход]"),
                 QStringLiteral(" [ЕНВД]"), QStringLiteral(" [ЕСХН]"), QStringLiteral(" [ПСН]")});

    slip.AddStr(QStringLiteral("Режим работы"), false);
    const QStringList workModes{QStringLiteral(" [Шифрование]"), QStringLiteral(" [Автономный режим]"),
                                QStringLiteral(" [Автоматический режим]"), QStringLiteral(" [Примен. в сф. услуг]"),
                                QStringLiteral(" [Режим БСО]"), QStringLiteral(" [Примен. в Интернет]"),
                                QStringLiteral(" [ККТ в общественном питании]"),
                                QStringLiteral(" [Оптовая торговля с организациями и ИП]")};
    for (int bit = 0; bit < workModes.size(); ++bit) {
        if (!(r.WorkMode & (1u << bit)))
            continue;
        slip.AddStr(workModes[bit], false);
        if (bit == 2)
            slip.AddPair(QStringLiteral(" Номер автомата"), r.AutomatNumber);
    }
    addBitLines(slip, r.WorkModeEx,
                {QStringLiteral(" [Продажа подакцизного товара]"), QStringLiteral(" [Проведение азартных игр]"),
                 QStringLiteral(" [Проведение лотереи]"), QStringLiteral(" [Установка принтера в автомате]"),
                 QStringLiteral(" [Торговля маркированными товарами]"), QStringLiteral(" [Ломбардная деятельность]"),
                 QStringLiteral(" [Страховая деятельность]"), QStringLiteral(" [ККТ с торговым автоматом]")});

    slip.AddStr(QStringLiteral("Признак агента"), false);
    if (r.Agent == 0)
        slip.AddStr(QStringLiteral(" Нет"), false);
    else
        addBitLines(slip, r.Agent,
                    {QStringLiteral(" [Банк. плат. агент]"), QStringLiteral(" [Банк. плат. субагент]"),
                     QStringLiteral(" [Плат. агент]"), QStringLiteral(" [Плат. субагент]"),
                     QStringLiteral(" [Поверенный]"), QStringLiteral(" [Комиссионер]"), QStringLiteral(" [Агент]")});
}

void FillRegReport(TSlip &slip, bool resultLines)
{
    FillRegReport(slip, resultLines, Controller().RegParams, Controller().ReasonCodes());
}
