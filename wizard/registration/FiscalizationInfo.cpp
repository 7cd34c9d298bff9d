#include "wizard/registration/FiscalizationInfo.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/registration/PageControls.h"
#include "wizard/registration/WizardFileDialogs.h"
#include "wizard/registration/X5Files.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/FinalMessage.h"
#include "wizard/shell/RegReport.h"
#include "wizard/shell/WizardErrors.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

constexpr int CutterParam = 35;
constexpr int FeedLines = 8;

} // namespace

TfmFiscalizationInfo::TfmFiscalizationInfo() : TParamPage(QStringLiteral("Печать чека о фискализации"))
{
    lbl1 = NamedLabel(this, "lbl1");
    Memo = new QPlainTextEdit(this);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setReadOnly(true);
    Memo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    lbl2 = NamedLabel(this, "lbl2", QStringLiteral("Необходимо зарегистрировать ККТ в личном кабинете ОФД"));
    lbl3 = NamedLabel(this, "lbl3", QStringLiteral("Для продолжения нажмите \"Далее\""));
    btnPrintReceipt = NamedButton(this, "btnPrintReceipt", QStringLiteral("Распечатать чек для регистрации в ЛК ОФД"));
    btnSave = NamedButton(this, "btnSave", QStringLiteral("Сохранить..."));
    btnSaveX5 = NamedButton(this, "btnSaveX5", QStringLiteral("Сохранить в формате X5..."));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnPrintReceipt);
    buttons->addWidget(btnSave);
    buttons->addWidget(btnSaveX5);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lbl1);
    layout->addWidget(Memo, 1);
    layout->addLayout(buttons);
    layout->addWidget(lbl2);
    layout->addWidget(lbl3);

    connect(btnPrintReceipt, &QPushButton::clicked, this,
            [this] { WizardGuarded(this, [this] { btnPrintReceiptClick(); }); });
    connect(btnSave, &QPushButton::clicked, this, [this] { WizardGuarded(this, [this] { btnSaveClick(); }); });
    connect(btnSaveX5, &QPushButton::clicked, this, [this] { WizardGuarded(this, [this] { btnSaveX5Click(); }); });
}

// The registration document as the register holds it, into the record.
void TfmFiscalizationInfo::ReadResult()
{
    TRegParams &r = Controller().RegParams;
    TKassio &d = WizardDriver();
    CheckResult(d.WaitForPrinting());
    CheckResult(d.FNGetSerial());
    r.FNSerial = d.SerialNumber;
    CheckResult(d.FNGetFiscalizationResult());
    r.DateTime = QDateTime(d.Date.date(), d.Time.time());
    r.INN = d.INN.trimmed();
    r.RNM = d.KKTRegistrationNumber.trimmed();
    r.TaxSystem = static_cast<quint8>(d.TaxType);
    r.WorkMode = static_cast<quint8>(d.WorkMode);
    r.ReasonCode = d.RegistrationReasonCode;
    r.DocNumber = d.DocumentNumber;
    r.FiscalSign = d.FiscalSignAsString;
    const std::pair<int, QString *> fields[] = {{1, &r.KKTSerial}, {8, &r.Cashier}, {7, &r.User},
                                                {9, &r.Address},   {10, &r.OFDName}, {11, &r.OFDUrl},
                                                {12, &r.OFDINN}};
    for (const auto &[field, text] : fields)
        *text = TableReadStr(18, 1, field).trimmed();
    r.VersionKKT = QStringLiteral("001");
    r.DocType = r.FirstTime ? X5Registration : X5Reregistration;
}

// Characters of font 1 on the register's line; 40 when it reports no
// character width.
int TfmFiscalizationInfo::PrintWidthInChars()
{
    TKassio &d = WizardDriver();
    d.FontType = 1;
    CheckResult(d.GetFontMetrics());
    return d.CharWidth == 0 ? 40 : d.PrintWidth / d.CharWidth;
}

void TfmFiscalizationInfo::FormShow()
{
    const TRegParams &r = Controller().RegParams;
    btnSaveX5->setVisible(Controller().X5Mode);
    Memo->clear();
    lbl1->setText(r.FirstTime ? QStringLiteral("Произведена фискализация ККТ со следующими параметрами:")
                              : QStringLiteral("Произведена перерегистрация ККТ со следующими параметрами:"));
    TDisconnectOnExit disconnect;
    ReadResult();
    FSlip.FWidth = PrintWidthInChars();
    FSlip.FRightAligned = true;
    FSlip.Clear();
    FillRegReport(FSlip, true);
    Memo->setPlainText(FSlip.Text());
}

void TfmFiscalizationInfo::btnPrintReceiptClick()
{
    TDisconnectOnExit disconnect;
    TKassio &d = WizardDriver();
    for (const QString &line : FSlip.Lines()) {
        d.StringForPrinting = line;
        CallWhileBusy(&TKassio::PrintString);
    }
    d.StringQuantity = FeedLines;
    CheckResult(d.FeedDocument());
    CheckResult(d.WaitForPrinting());
    d.CutType = true;
    d.ModelParamNumber = CutterParam;
    CheckResult(d.ReadModelParamValue());
    // A register without a cutter only feeds the paper out.
    if (d.ModelParamValue.toBool())
        CheckResult(d.CutCheck());
}

void TfmFiscalizationInfo::btnSaveClick()
{
    const QString fileName = WizardSaveFileName(this);
    if (!fileName.isEmpty())
        WizardSaveLines(fileName, Memo->toPlainText().split(u'\n'));
}

void TfmFiscalizationInfo::btnSaveX5Click()
{
    const TRegParams &r = Controller().RegParams;
    const QString fileName =
        WizardSaveFileName(this, X5FileName(r.DocType, r.KKTSerial, r.X5FactoryCode, r.DateTime.date()));
    if (!fileName.isEmpty())
        WriteX5RegReport(fileName, r);
}

void TfmFiscalizationInfo::Next()
{
    Controller().SetNext<TfmFinalMessage>();
}
