#include "testbench/pages/fn/FnReport.h"

#include "common/ReasonCodesDialog.h"

#include "driver/Helpers.h"
#include "driver/Kassio.h"
#include "testbench/pages/fn/FnCodes.h"
#include "testbench/shell/SaveFileDialog.h"
#include "testbench/shell/Translation.h"

#include <QFile>
#include <QFileDialog>
#include <QLocale>
#include <QPlainTextEdit>

namespace {

const QString Indent = QStringLiteral("  ");

} // namespace

QString DateTimeText(const QDateTime &Value)
{
    if (!Value.isValid())
        return {};
    const QLocale locale;
    return locale.toString(Value.date(), QLocale::ShortFormat) + QLatin1Char(' ')
        + Value.time().toString(QStringLiteral("hh:mm:ss"));
}

QString DateTimeText(const QDateTime &Date, const QDateTime &Time)
{
    if (!Date.isValid())
        return {};
    return DateTimeText(QDateTime(Date.date(), Time.isValid() ? Time.time() : QTime(0, 0)));
}

void TFnReport::Add(const QString &Text)
{
    QString text = Text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    FMemo->appendPlainText(text);
}

void TFnReport::AddMemoLine(const QString &Text) { Add(QLatin1Char(' ') + Text); }

void TFnReport::AddLineWidth(const QString &Name, const QString &Value, int Width)
{
    AddMemoLine(QStringLiteral("%1: %2").arg(Name.leftJustified(Width, QLatin1Char(' ')), Value));
}

void TFnReport::AddLine(const QString &Name, const QString &Value) { AddLineWidth(Name, Value, NameWidth); }

void TFnReport::AddBool(const QString &Name, bool Flag) { AddLineWidth(Name, BoolToYesNo(Flag), BoolWidth); }

void TFnReport::AddSeparator() { AddMemoLine(QString(40, QLatin1Char('-'))); }

void TFnReport::AddLifeState(int Value)
{
    AddSeparator();
    AddLine(KassioTest::tr("Состояние фазы жизни"), HexCode(Value));
    AddSeparator();
    for (const TFnBit &bit : LifeStateBits())
        AddLine(Indent + BitName(bit), GetBitStr(Value, bit.bit));
    AddSeparator();
}

void TFnReport::AddBitBlock(const QString &Heading, int Value, std::span<const TFnBit> Bits)
{
    AddLine(Heading, QString::number(Value));
    for (const TFnBit &bit : Bits)
        AddBool(Indent + BitName(bit), TestBit(Value, bit.bit));
}

void TFnReport::AddTaxSystem(int Value) { AddBitBlock(KassioTest::tr("Код сист. налогообложения"), Value, TaxSystemBits()); }
// The report names the modes and extra signs that FFD 1.05 knows; the
// fiscalization page has boxes for all eight of each.
void TFnReport::AddWorkMode(int Value)
{
    AddBitBlock(KassioTest::tr("Режим работы"), Value, WorkModeBits().first(6));
}

void TFnReport::AddWorkModeEx(int Value)
{
    AddBitBlock(KassioTest::tr("Расширенные признаки работы ККТ"), Value, WorkModeExBits().first(4));
}

void TFnReport::AddRegistrationReasonCodeEx(int Value)
{
    AddLine(KassioTest::tr("Код причины изменения сведений о ККТ"), UIntStr(Value));
    const auto bits = static_cast<quint32>(Value);
    for (const TReasonCode &reason : ReasonCodeList())
        if (bits & (1u << reason.bit))
            AddBool(Indent + WithoutReasonNumber(KassioTest::tr(reason.caption)), true);
}

void TFnReport::AddDocumentData(const TKassio &Driver)
{
    AddLine(KassioTest::tr("Дата"), DateTimeText(Driver.Date, Driver.Time));
    AddLine(KassioTest::tr("Номер ФД"), UIntStr(Driver.DocumentNumber));
    AddLine(KassioTest::tr("Фискальный признак"), UIntStr(Driver.FiscalSign));
    const auto addRegistration = [&] {
        AddLine(KassioTest::tr("ИНН"), Driver.INN);
        AddLine(KassioTest::tr("ИНН ОФД"), Driver.INNOFD);
        AddLine(KassioTest::tr("Рег. номер ККТ"), Driver.KKTRegistrationNumber);
        AddTaxSystem(Driver.TaxType);
        AddWorkMode(Driver.WorkMode);
        AddWorkModeEx(Driver.WorkModeEx);
    };
    switch (Driver.DocumentType) {
    case 1:
        addRegistration();
        break;
    case 2:
    case 5:
        AddLine(KassioTest::tr("Номер смены"), QString::number(Driver.SessionNumber));
        break;
    case 3:
    case 4:
    case 31: {
        QLocale locale;
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        AddLine(KassioTest::tr("Тип операции"), QString::number(Driver.OperationType));
        AddLine(KassioTest::tr("Сумма операции"), locale.toString(static_cast<double>(Driver.Summ1) / 10000.0, 'f', 2));
        break;
    }
    case 6:
        AddLine(KassioTest::tr("ИНН"), Driver.INN);
        AddLine(KassioTest::tr("Рег. номер ККТ"), Driver.KKTRegistrationNumber);
        break;
    case 11:
        addRegistration();
        AddLine(KassioTest::tr("Код причины перерегистрации"), QString::number(Driver.RegistrationReasonCode));
        AddRegistrationReasonCodeEx(Driver.RegistrationReasonCodeEx);
        break;
    case 21:
        AddLine(KassioTest::tr("Кол-во неподтвержд. документов"), QString::number(Driver.DocumentCount));
        AddLine(KassioTest::tr("Дата 1-го неподтвержд. документа"), DateTimeText(Driver.Date2, Driver.Time2));
        break;
    default:
        break;
    }
}

QFileDialog *CreateSaveDialog(QWidget *Parent)
{
    auto *dialog = new QFileDialog(Parent);
    dialog->setObjectName(QStringLiteral("dlgSave"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(QStringLiteral("txt"));
    dialog->setNameFilters({QStringLiteral("*.txt"), QStringLiteral("*.*")});
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    return dialog;
}

void SaveMemoAs(QFileDialog *Dialog, const QPlainTextEdit *Memo)
{
    if (Dialog->exec() != QDialog::Accepted || Dialog->selectedFiles().isEmpty())
        return;
    SaveMemoLines(Dialog->selectedFiles().constFirst(), Memo);
}

void SaveMemoLines(const QString &FileName, const QPlainTextEdit *Memo)
{
    const QString memo = Memo->toPlainText();
    SaveLinesToFile(FileName, memo.isEmpty() ? QStringList() : memo.split(QLatin1Char('\n')));
}
