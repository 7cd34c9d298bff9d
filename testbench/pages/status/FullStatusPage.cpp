#include "testbench/pages/status/FullStatusPage.h"
#include "testbench/shell/ReportMemo.h"

#include "driver/Driver.h"
#include "testbench/shell/SaveFileDialog.h"
#include "testbench/pages/status/StatusListing.h"
#include "testbench/shell/HandlerGuard.h"
#include "testbench/shell/PageTable.h"
#include "testbench/shell/Translation.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

KASSIO_PAGE_FACTORY(TfmFullStatus)

namespace {

// Ends the listing; its text becomes the listing's last line.
class EListingStopped : public EAbort
{
public:
    explicit EListingStopped(QString text)
        : FText(std::move(text))
    {
    }
    const QString &Text() const { return FText; }

private:
    QString FText;
};

constexpr int NoSuchTable = 93;

// " %3d.%-44s : %s"
QString RegisterLine(int number, const QString &name, const QString &value)
{
    return QLatin1Char(' ') + QStringLiteral("%1").arg(number, 3) + QLatin1Char('.') + name.leftJustified(44)
           + QStringLiteral(" : ") + value;
}

} // namespace

TfmFullStatus::TfmFullStatus()
{
    setObjectName(QStringLiteral("fmFullStatus"));
    setWindowTitle(KassioTest::tr("Полное состояние"));
    auto *layout = new QHBoxLayout(this);
    Memo = CreateReportMemo(this);
    layout->addWidget(Memo, 1);
    auto *buttons = new QVBoxLayout;
    layout->addLayout(buttons);
    const auto add = [&](const char *name, const QString &caption) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        buttons->addWidget(button);
        return button;
    };
    btnFullEcrStatus = add("btnFullEcrStatus", KassioTest::tr("Получить"));
    btnFullEcrStatus->setToolTip(QStringLiteral("GetECRStatus"));
    btnInterrupt = add("btnInterrupt", KassioTest::tr("Прервать"));
    btnInterrupt->setEnabled(false);
    btnSaveToFile = add("btnSaveToFile", KassioTest::tr("Сохранить"));
    buttons->addStretch(1);

    OnClick(btnFullEcrStatus, [this] { FullEcrStatus(); });
    connect(btnInterrupt, &QPushButton::clicked, this, [this] { FStop = true; });
    connect(btnSaveToFile, &QPushButton::clicked, this, [this] { Guarded(this, [this] { SaveToFile(); }); });
}

void TfmFullStatus::EnableButtons(bool Value)
{
    TPage::EnableButtons(Value);
    btnInterrupt->setEnabled(!Value);
}

void TfmFullStatus::Check2(int Code)
{
    QCoreApplication::processEvents();
    if (FStop)
        throw EListingStopped(KassioTest::tr("<Прервано пользователем>"));
    Check(Code);
}

void TfmFullStatus::FullEcrStatus()
{
    FStop = false;
    Memo->clear();
    TStatusListing L(TListingKind::Full, Memo);
    L.AddHeading(KassioTest::tr(" Полное состояние"));
    TDriver &d = *Driver();
    try {
        Check2(d.GetDeviceMetrics());
        Check2(d.GetECRStatus());
        d.ModelParamNumber = 28;
        Check2(d.ReadModelParamValue());
        TStatusCaps caps;
        caps.CashCore = d.ModelParamValue == QVariant(true);
        caps.FN = d.CapFN();
        L.AddLongStatus(d, caps);

        Check2(d.GetDeviceMetrics());
        Check2(d.GetShortECRStatus());
        L.AddShortStatus(d, caps);

        Check2(d.GetDeviceMetrics());
        L.AddDeviceMetrics(d);

        Tables(L);
        CashRegisters(L);
        OperationRegisters(L);
        L.AddSeparator();
        Memo->moveCursor(QTextCursor::Start);
    } catch (const EListingStopped &e) {
        L.AddText(e.Text());
    } catch (const EAbort &e) {
        L.AddText(QString::fromUtf8(e.what()));
    }
}

void TfmFullStatus::Tables(TStatusListing &L)
{
    L.AddHeading(KassioTest::tr(" ТАБЛИЦЫ:"));
    for (int number = 1;; ++number) {
        bool missing = false;
        const int code = Table(L, number, missing);
        // Only a table that does not exist ends the tables; a 93 from inside
        // a table is a failure like any other.
        if (code == NoSuchTable && missing)
            return;
        Check(code);
    }
}

int TfmFullStatus::Table(TStatusListing &L, int Number, bool &Missing)
{
    TDriver &d = *Driver();
    Check2(0);
    d.TableNumber = Number;
    if (const int code = d.GetTableStruct()) {
        Missing = true;
        return code;
    }
    const int rows = d.RowNumber;
    const int fields = d.FieldNumber;
    L.AddText(QString());
    L.AddSeparator();
    L.AddText(KassioTest::tr(" ТАБЛИЦА %1. %2. Рядов:%3 Полей:%4")
                  .arg(QString::number(d.TableNumber), d.TableName, QString::number(rows), QString::number(fields)));
    L.AddText(KassioTest::tr(" Ряд.Поле. Наименование:Значение"));
    L.AddSeparator();
    if (const int code = d.GetTableStruct())
        return code;
    for (int row = 1; row <= rows; ++row) {
        for (int field = 1; field <= fields; ++field) {
            Check2(0);
            // Set after the message processing, which may run other handlers
            // on the same driver instance.
            d.TableNumber = Number;
            d.RowNumber = row;
            d.FieldNumber = field;
            if (const int code = d.GetFieldStruct())
                return code;
            const QString name = d.FieldName;
            if (const int code = d.ReadTable())
                return code;
            L.AddText(QStringLiteral(" %1.%2. ").arg(row, 2, 10, QLatin1Char('0')).arg(field, 2, 10, QLatin1Char('0'))
                      + name + QLatin1Char(':') + d.ValueOfFieldString);
        }
        L.AddSeparator();
    }
    return 0;
}

void TfmFullStatus::CashRegisters(TStatusListing &L)
{
    TDriver &d = *Driver();
    L.AddText(QString());
    L.AddText(KassioTest::tr(" ДЕНЕЖНЫЕ РЕГИСТРЫ:"));
    L.AddText(QLatin1Char(' ') + QString(54, QLatin1Char('-')));
    for (int number = 0; number <= 255; ++number) {
        if (FStop)
            throw EListingStopped(KassioTest::tr("<Прервано пользователем>"));
        d.RegisterNumber = number;
        if (d.GetCashReg() != 0)
            throw EListingStopped(KassioTest::tr("<Прервано в результате ошибки: %1 %2>")
                                      .arg(QString::number(d.ResultCode), d.ResultCodeDescription));
        L.AddText(RegisterLine(number, d.NameCashReg, d.AmountToStr(d.ContentsOfCashRegister)));
        QCoreApplication::processEvents();
    }
}

void TfmFullStatus::OperationRegisters(TStatusListing &L)
{
    TDriver &d = *Driver();
    L.AddHeading(KassioTest::tr(" ОПЕРАЦИОННЫЕ РЕГИСТРЫ:"));
    for (int number = 0; number <= 255; ++number) {
        d.RegisterNumber = number;
        const int code = d.GetOperationReg();
        // Taken before Check2 lets other handlers use the driver; the count
        // is shown as a whole amount.
        const QString line = RegisterLine(number, d.NameOperationReg,
                                          d.AmountToStr(static_cast<qint64>(d.ContentsOfOperationRegister) * 10000));
        Check2(code);
        L.AddText(line);
    }
}

void TfmFullStatus::SaveToFile()
{
    const QString fileName = ChooseTextFileToSave(this);
    if (fileName.isEmpty())
        return;
    SaveLinesToFile(fileName, Memo->toPlainText().split(QLatin1Char('\n')));
}
