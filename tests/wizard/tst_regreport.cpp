// The report text: TSlip's layout rules and the registration report of a
// filled record, line for line.
#include "wizard/shell/RegReport.h"
#include "wizard/shell/Slip.h"

#include <QtTest>

namespace {

// Stands in for the reason codes dialog: the caption texts of three boxes.
class TReasonTexts : public TReasonCodesSource
{
public:
    bool Execute(quint32 &) override { return false; }
    QString ReasonText(int bit) const override
    {
        switch (bit) {
        case 0: return QStringLiteral("Замена фискального накопителя");
        case 21: return QStringLiteral("Изменение версии ФФД");
        case 31: return QStringLiteral("Иные причины");
        default: return QStringLiteral("Причина %1").arg(bit + 1);
        }
    }
};

TRegParams filledRecord()
{
    TRegParams r;
    r.FirstTime = false;
    r.NewFN = false;
    r.RNM = QStringLiteral("0000000001012345");
    r.KKTSerial = QStringLiteral("0012345678");
    r.FNSerial = QStringLiteral("9999078900012345");
    r.User = QStringLiteral("ООО Ромашка");
    r.INN = QStringLiteral("7712345678");
    r.Cashier = QStringLiteral("Иванов");
    r.Address = QStringLiteral("Москва");
    r.PayPlace = QStringLiteral("Магазин");
    r.SenderEmail = QStringLiteral("a@b.ru");
    r.TaxOfficeURL = QStringLiteral("www.nalog.gov.ru");
    r.FFD = 4;
    r.ReasonCode = 3;
    r.ReasonCodesEx = (1u << 0) | (1u << 21) | (1u << 25) | (1u << 31);
    r.OFDName = QStringLiteral("ОФД");
    r.OFDINN = QStringLiteral("7704211201");
    r.OFDServer = QStringLiteral("ofd.example");
    r.OFDPort = 7777;
    r.ServerKM = QStringLiteral("km.example");
    r.PortKM = 8888;
    r.TaxSystem = 0b000011;
    r.WorkMode = 0b00000100;
    r.AutomatNumber = QStringLiteral("A1");
    r.WorkModeEx = 0b00010000;
    r.Agent = 0;
    r.DateTime = QDateTime(QDate(2026, 3, 5), QTime(9, 7, 3));
    r.DocNumber = 12;
    r.FiscalSign = QStringLiteral("1234567890");
    return r;
}

} // namespace

class TestRegReport : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void slipLines_data();
    void slipLines();
    void widthBelowOneDoesNotHang();
    void summaryOfAFilledRecord();
    void resultHeadOnANarrowLine();
    void unchosenBitSetsListEveryItem();
};

void TestRegReport::slipLines_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("width2");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("op"); // "str", "center", "pair"
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QStringList>("lines");
    const QString sn16 = QStringLiteral("9999078900012345");
    const QString v40 = QString(40, QLatin1Char('x'));
    QTest::newRow("right pair: 10 blanks") << 32 << 0 << true << "pair" << "ЗН ФН:" << sn16
                                           << QStringList{QStringLiteral("ЗН ФН:") + QString(10, ' ') + sn16};
    QTest::newRow("right pair too long: one blank, cut at 32")
        << 32 << 0 << true << "pair" << "ЗН ФН:" << v40
        << QStringList{QStringLiteral("ЗН ФН: ") + v40.left(25), v40.mid(25)};
    QTest::newRow("left pair: label column") << 0 << 24 << false << "pair" << "Кассир:" << "Иванов"
                                             << QStringList{QStringLiteral("Кассир:") + QString(17, ' ') + QStringLiteral(": Иванов")};
    QTest::newRow("left pair: long label not cut") << 10 << 4 << false << "pair" << "Очень длинная метка" << "значение"
                                                   << QStringList{QStringLiteral("Очень длинная метка: значение")};
    QTest::newRow("cut into pieces") << 4 << 0 << false << "str" << "abcdefghij" << ""
                                     << QStringList{"abcd", "efgh", "ij"};
    QTest::newRow("empty adds nothing") << 4 << 0 << false << "str" << "" << "" << QStringList{};
    QTest::newRow("centred") << 10 << 0 << false << "center" << "abc" << "" << QStringList{"   abc"};
    QTest::newRow("centred longer than width is whole") << 4 << 0 << false << "center" << "abcdefg" << ""
                                                         << QStringList{"abcdefg"};
}

void TestRegReport::slipLines()
{
    QFETCH(int, width);
    QFETCH(int, width2);
    QFETCH(bool, right);
    QFETCH(QString, op);
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QStringList, lines);
    TSlip slip(width);
    slip.FWidth2 = width2;
    slip.FRightAligned = right;
    if (op == u"pair")
        slip.AddPair(a, b);
    else
        slip.AddStr(a, op == u"center");
    QCOMPARE(slip.Lines(), lines);
}

void TestRegReport::widthBelowOneDoesNotHang()
{
    for (int width : {0, -3}) {
        TSlip slip(width);
        slip.FRightAligned = true;
        slip.AddStr(QStringLiteral("abc"), false);
        slip.AddPair(QStringLiteral("ЗН ФН:"), QStringLiteral("123"));
        QCOMPARE(slip.Lines(), (QStringList{QStringLiteral("abc"), QStringLiteral("ЗН ФН: 123")}));
    }
}

void TestRegReport::summaryOfAFilledRecord()
{
    // The summary page's layout: 80 wide, label column 24, no result head.
    TSlip slip(80);
    slip.FWidth2 = 24;
    TReasonTexts reasons;
    FillRegReport(slip, false, filledRecord(), &reasons);
    const auto pair = [](const char *label, const QString &value) {
        const QString l = QString::fromUtf8(label);
        return l + QString(24 - l.size(), QLatin1Char(' ')) + QStringLiteral(": ") + value;
    };
    const QStringList expected{
        pair("РНМ ККТ:", QStringLiteral("0000000001012345")),
        pair("ЗН ККТ:", QStringLiteral("0012345678")),
        pair("ЗН ФН:", QStringLiteral("9999078900012345")),
        pair("Пользователь:", QStringLiteral("ООО Ромашка")),
        pair("ИНН пользователя:", QStringLiteral("7712345678")),
        pair("Кассир:", QStringLiteral("Иванов")),
        pair("Адрес расчета:", QStringLiteral("Москва")),
        pair("Место расчета:", QStringLiteral("Магазин")),
        pair("E-mail отправит.:", QStringLiteral("a@b.ru")),
        pair("Сайт налог. органа:", QStringLiteral("www.nalog.gov.ru")),
        pair("Версия ФФД:", QStringLiteral("ФФД 1.2")),
        pair("Причина перерегистр.:", QStringLiteral("Изменение реквизитов")),
        QStringLiteral("Расширенные коды причин изменения сведений о ККТ:"),
        QStringLiteral("  0 [Замена фискального накопителя]"),
        QStringLiteral("  21 [Изменение версии ФФД]"),
        QStringLiteral("  31 [Иные причины]"),
        pair("Имя ОФД:", QStringLiteral("ОФД")),
        pair("ИНН ОФД:", QStringLiteral("7704211201")),
        pair("Сервер ОФД:", QStringLiteral("ofd.example")),
        pair("Порт ОФД:", QStringLiteral("7777")),
        pair("Сервер КМ:", QStringLiteral("km.example")),
        pair("Порт КМ:", QStringLiteral("8888")),
        QStringLiteral("Системы налогообложения"),
        QStringLiteral(" [ОСН]"),
        QStringLiteral(" [УСН доход]"),
        QStringLiteral("Режим работы"),
        QStringLiteral(" [Автоматический режим]"),
        pair(" Номер автомата", QStringLiteral("A1")),
        QStringLiteral(" [Торговля маркированными товарами]"),
        QStringLiteral("Признак агента"),
        QStringLiteral(" Нет"),
    };
    QCOMPARE(slip.Lines(), expected);
}

void TestRegReport::resultHeadOnANarrowLine()
{
    // The result page: right-aligned pairs on the print width, with the head.
    TRegParams r = filledRecord();
    r.FirstTime = true;
    r.FFD = 2;
    r.CashierINN = QStringLiteral("500100732259");
    TSlip slip(32);
    slip.FRightAligned = true;
    FillRegReport(slip, true, r, nullptr);
    const QStringList lines = slip.Lines();
    QCOMPARE(lines.mid(0, 5), (QStringList{
                                  QStringLiteral("      ОТЧЕТ О РЕГИСТРАЦИИ"),
                                  QStringLiteral("Дата, Время:") + QString(1, ' ') + QStringLiteral("05.03.2026 09:07:03"),
                                  QStringLiteral("Номер ФД:") + QString(21, ' ') + QStringLiteral("12"),
                                  QStringLiteral("ФПД:") + QString(18, ' ') + QStringLiteral("1234567890"),
                                  QStringLiteral("РНМ ККТ:") + QString(8, ' ') + QStringLiteral("0000000001012345"),
                              }));
    QVERIFY(lines.contains(QStringLiteral("ИНН кассира:") + QString(8, ' ') + QStringLiteral("500100732259")));
    // A first registration has no reason lines, and FFD 1.05 no KM server.
    for (const QString &line : lines) {
        QVERIFY2(!line.startsWith(QStringLiteral("Причина")), qPrintable(line));
        QVERIFY2(!line.startsWith(QStringLiteral("Расширенные")), qPrintable(line));
        QVERIFY2(!line.startsWith(QStringLiteral("Сервер КМ")), qPrintable(line));
        QVERIFY2(line.size() <= 32, qPrintable(line));
    }
}

void TestRegReport::unchosenBitSetsListEveryItem()
{
    TRegParams r; // a fresh record: every bit set holds 255
    r.FirstTime = true;
    TSlip slip(80);
    FillRegReport(slip, false, r, nullptr);
    const QStringList lines = slip.Lines();
    const auto after = [&](const QString &head, int count) {
        const qsizetype at = lines.indexOf(head);
        return at < 0 ? QStringList{} : lines.mid(at + 1, count);
    };
    QCOMPARE(after(QStringLiteral("Системы налогообложения"), 6).size(), 6);
    QCOMPARE(after(QStringLiteral("Системы налогообложения"), 6).last(), QStringLiteral(" [ПСН]"));
    // 8 work modes, the automat number after the third, 8 extra modes.
    const QStringList modes = after(QStringLiteral("Режим работы"), 17);
    QCOMPARE(modes.first(), QStringLiteral(" [Шифрование]"));
    QCOMPARE(modes.at(3), QStringLiteral(" Номер автомата: "));
    QCOMPARE(modes.at(8), QStringLiteral(" [Оптовая торговля с организациями и ИП]"));
    QCOMPARE(modes.last(), QStringLiteral(" [ККТ с торговым автоматом]"));
    const QStringList agents = after(QStringLiteral("Признак агента"), 8);
    QCOMPARE(agents.size(), 7);
    QCOMPARE(agents.last(), QStringLiteral(" [Агент]"));
    QVERIFY(!lines.contains(QStringLiteral("ИНН кассира: ")));
}

QTEST_GUILESS_MAIN(TestRegReport)
#include "tst_regreport.moc"
