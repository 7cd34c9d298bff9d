#include "testbench/pages/fn/FNOperation2.h"
#include "testbench/shell/ReportMemo.h"

#include "driver/Driver.h"
#include "testbench/shell/InputChecks.h"
#include "testbench/shell/PageTable.h"
#include "testbench/shell/Translation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

KASSIO_PAGE_FACTORY(TfmFNOperation2)

namespace {

// Tags of the correction's basis document.
constexpr int BasisDocNumberTag = 1179;
constexpr int BasisDateTag = 1178;

const QDate DefaultBasisDate(2018, 4, 4);

QString Unsigned(int Value) { return QString::number(static_cast<quint32>(Value)); }

} // namespace

TfmFNOperation2::TfmFNOperation2(QWidget *parent) : TPage(parent)
{
    setWindowTitle(KassioTest::tr("Чек коррекции (ФФД 1.05)"));
    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    layout->addLayout(grid);
    // Two columns of captioned fields.
    int field = 0;
    const auto addField = [&](const QString &Caption, QWidget *Widget) {
        auto *label = new QLabel(Caption, this);
        label->setBuddy(Widget);
        const int column = field < 10 ? 0 : 2;
        const int row = field < 10 ? field : field - 10;
        grid->addWidget(label, row, column);
        grid->addWidget(Widget, row, column + 1);
        ++field;
    };
    const auto addCombo = [&](const char *Name, const QString &Caption, const QString &Hint, const QStringList &Items) {
        auto *combo = new QComboBox(this);
        combo->setObjectName(QLatin1String(Name));
        combo->setToolTip(Hint);
        combo->addItems(Items);
        combo->setCurrentIndex(0);
        addField(Caption, combo);
        return combo;
    };
    cbCorrectionType = addCombo("cbCorrectionType", KassioTest::tr("Тип коррекции:"), QStringLiteral("CorrectionType"),
                                {KassioTest::tr("0. Cамостоятельно "), KassioTest::tr("1. По предписанию")});
    cbCalculationSign = addCombo("cbCalculationSign", KassioTest::tr("Признак расчета:"), QStringLiteral("CalculationSign"),
                                 {KassioTest::tr("1. Коррекция прихода"), KassioTest::tr("3. Коррекция расхода")});
    cbTaxSystem = addCombo("cbTaxSystem", KassioTest::tr("Сист. налогообл.:"), QStringLiteral("TaxType"),
                           {KassioTest::tr("Общая"), KassioTest::tr("УСН доход"), KassioTest::tr("УСН доход - расход"),
                            KassioTest::tr("ЕНВД"), KassioTest::tr("ЕСН"), KassioTest::tr("ПСН")});

    struct TSumDef
    {
        const char *Property;
        const char *Caption;
        qint64 TKassio::*Member;
    };
    static const TSumDef SumDefs[] = {
        {"Summ1", QT_TRANSLATE_NOOP("KassioTest", "Сумма расчета:"), &TKassio::Summ1},
        {"Summ2", QT_TRANSLATE_NOOP("KassioTest", "Сумма по чеку нал:"), &TKassio::Summ2},
        {"Summ3", QT_TRANSLATE_NOOP("KassioTest", "Сумма по чеку безналичн.:"), &TKassio::Summ3},
        {"Summ4", QT_TRANSLATE_NOOP("KassioTest", "Сумма по чеку предопл:"), &TKassio::Summ4},
        {"Summ5", QT_TRANSLATE_NOOP("KassioTest", "Сумма по чеку постопл.:"), &TKassio::Summ5},
        {"Summ6", QT_TRANSLATE_NOOP("KassioTest", "Сумма по чеку встречн. предост.:"), &TKassio::Summ6},
        {"Summ7", QT_TRANSLATE_NOOP("KassioTest", "Сумма НДС 20%:"), &TKassio::Summ7},
        {"Summ8", QT_TRANSLATE_NOOP("KassioTest", "Сумма НДС 10%:"), &TKassio::Summ8},
        {"Summ9", QT_TRANSLATE_NOOP("KassioTest", "Сумма расч. по ставке 0%:"), &TKassio::Summ9},
        {"Summ10", QT_TRANSLATE_NOOP("KassioTest", "Сумма расч. по чеку без НДС:"), &TKassio::Summ10},
        {"Summ11", QT_TRANSLATE_NOOP("KassioTest", "Сумма расч. по расч. ст.20/120:"), &TKassio::Summ11},
        {"Summ12", QT_TRANSLATE_NOOP("KassioTest", "Сумма расч. по расч. ст.10/110:"), &TKassio::Summ12},
        {"Summ17", QT_TRANSLATE_NOOP("KassioTest", "Сумма НДС 5%"), &TKassio::Summ17},
        {"Summ18", QT_TRANSLATE_NOOP("KassioTest", "Сумма НДС 7%"), &TKassio::Summ18},
        {"Summ19", QT_TRANSLATE_NOOP("KassioTest", "Сумма  рас. рпл расч. ст. 5/105"), &TKassio::Summ19},
        {"Summ20", QT_TRANSLATE_NOOP("KassioTest", "Сумма  рас. рпл расч. ст. 7/107"), &TKassio::Summ20},
    };
    for (const TSumDef &def : SumDefs) {
        auto *edit = new QLineEdit(QStringLiteral("0"), this);
        const QString property = QLatin1String(def.Property);
        edit->setObjectName(QStringLiteral("edt") + property);
        edit->setToolTip(property);
        addField(KassioTest::tr(def.Caption), edit);
        FSums << TSumEdit{edit, def.Property, def.Member};
    }

    chkAddTaxes = new QCheckBox(KassioTest::tr("Передавать суммы НДС: 5%, 7%, 5/105, 7/107  "), this);
    chkAddTaxes->setObjectName(QStringLiteral("chkAddTaxes"));
    chkAddTaxes->setToolTip(QStringLiteral("AddTaxesEnabled"));
    grid->addWidget(chkAddTaxes, grid->rowCount(), 0, 1, 4);

    edtDocNumber = new QLineEdit(QStringLiteral("0"), this);
    edtDocNumber->setObjectName(QStringLiteral("edtDocNumber"));
    edtDocNumber->setMaxLength(32);
    addField(KassioTest::tr("Номер док-та основания:"), edtDocNumber);
    dtpDate = new QDateEdit(DefaultBasisDate, this);
    dtpDate->setObjectName(QStringLiteral("dtpDate"));
    dtpDate->setCalendarPopup(true);
    addField(KassioTest::tr("Дата док-та основания корр.:"), dtpDate);

    Memo = CreateReportMemo(this);
    layout->addWidget(Memo, 1);
    FReport = TFnReport(Memo);

    const auto addButton = [this](const char *Name, const QString &Caption, const char *Hint) {
        auto *button = new QPushButton(Caption, this);
        button->setObjectName(QLatin1String(Name));
        if (Hint)
            button->setToolTip(QLatin1String(Hint));
        return button;
    };
    btnFNBeginCorrectionReceipt = addButton("btnFNBeginCorrectionReceipt", KassioTest::tr("Начать форм. чека коррекции (ФФД 1.05)"),
                                            "FNBeginCorrectionReceipt");
    btnFNBuildCorrectionReceipt2 = addButton("btnFNBuildCorrectionReceipt2",
                                             KassioTest::tr("Сформировать чек коррекции v2 (ФФД 1.05)"), "FNBuildCorrectionReceipt2");
    btnCorrectionReceiptWithTags = addButton("btnCorrectionReceiptWithTags",
                                             KassioTest::tr("Сформировать чек коррекции с основанием (ФФД 1.05)"), nullptr);
    btnFNBuildCorrectionReceipt = addButton("btnFNBuildCorrectionReceipt",
                                            KassioTest::tr("Сформировать чек коррекции v1 (устаревш.)"), "FNBuildCorrectionReceipt");
    auto *buttons = new QGridLayout;
    buttons->addWidget(btnFNBeginCorrectionReceipt, 0, 0);
    buttons->addWidget(btnFNBuildCorrectionReceipt2, 0, 1);
    buttons->addWidget(btnCorrectionReceiptWithTags, 1, 0);
    buttons->addWidget(btnFNBuildCorrectionReceipt, 1, 1);
    layout->addLayout(buttons);

    OnClick(btnFNBeginCorrectionReceipt, [this] {
        Memo->clear();
        Check(Driver()->FNBeginCorrectionReceipt());
    });
    OnClick(btnFNBuildCorrectionReceipt2, [this] {
        Memo->clear();
        BuildCorrection2();
    });
    OnClick(btnCorrectionReceiptWithTags, [this] {
        Memo->clear();
        TDriver *d = Driver();
        Check(d->FNBeginCorrectionReceipt());
        d->TagNumber = BasisDocNumberTag;
        d->TagType = 7;
        d->TagValueStr = edtDocNumber->text();
        Check(d->FNSendTag());
        d->TagNumber = BasisDateTag;
        d->TagType = 6;
        d->TagValueDateTime = QDateTime(dtpDate->date(), QTime(0, 0));
        Check(d->FNSendTag());
        BuildCorrection2();
    });
    OnClick(btnFNBuildCorrectionReceipt, [this] {
        Memo->clear();
        TDriver *d = Driver();
        d->Summ1 = GetSumm(FSums.first().Edit->text(), QLatin1String(FSums.first().Property));
        d->CheckType = CalculationSign();
        Check(d->FNBuildCorrectionReceipt());
        AddResultLines();
    });
}

int TfmFNOperation2::CalculationSign() const { return cbCalculationSign->currentIndex() == 1 ? 3 : 1; }

void TfmFNOperation2::BuildCorrection2()
{
    TDriver *d = Driver();
    for (const TSumEdit &sum : FSums)
        d->*sum.Member = GetSumm(sum.Edit->text(), QLatin1String(sum.Property));
    d->AddTaxesEnabled = chkAddTaxes->isChecked();
    d->CorrectionType = cbCorrectionType->currentIndex();
    d->CalculationSign = CalculationSign();
    d->TaxType = 1 << cbTaxSystem->currentIndex();
    Check(d->FNBuildCorrectionReceipt2());
    AddResultLines();
}

void TfmFNOperation2::AddResultLines()
{
    TDriver *d = Driver();
    FReport.AddLine(KassioTest::tr("Номер чека"), Unsigned(d->ReceiptNumber));
    FReport.AddLine(KassioTest::tr("Номер ФД"), Unsigned(d->DocumentNumber));
    FReport.AddLine(KassioTest::tr("Фискальный признак"), Unsigned(d->FiscalSign));
}
