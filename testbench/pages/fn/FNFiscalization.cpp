#include "testbench/pages/fn/FNFiscalization.h"
#include "testbench/shell/ReportMemo.h"

#include "common/ReasonCodesDialog.h"
#include "driver/Driver.h"
#include "testbench/pages/fn/FnCodes.h"
#include "testbench/shell/HandlerGuard.h"
#include "testbench/shell/InputChecks.h"
#include "testbench/shell/MessageBoxes.h"
#include "testbench/shell/PageTable.h"
#include "testbench/shell/Translation.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <algorithm>

KASSIO_PAGE_FACTORY(TfmFNFiscalization)

namespace {

constexpr int ModelParamAutomatTable = 75;
constexpr int FsFieldOfdInn = 12;
constexpr int FsFieldWorkModeEx = 21;
constexpr int FsFieldReasonCodeEx = 22;
constexpr int FfdTable = 17;
constexpr int FfdField = 17;
constexpr int ReportTimeout = 10000;
constexpr int WorkModeAutomatic = 2;
const QString Indent = QStringLiteral("  ");

// Bits of the tax-system set that have a box on the page (bit 3 has none).
constexpr int TaxBoxBits[] = {0, 1, 2, 4, 5};

QString ReasonCodeToStr(int Code)
{
    switch (Code) {
    case 0: return {};
    case 1: return KassioTest::tr("Замена ФН");
    case 2: return KassioTest::tr("Замена ОФД");
    case 3: return KassioTest::tr("Изменение реквизитов");
    case 4: return KassioTest::tr("Изменение настроек ККТ");
    default: return KassioTest::tr("Неизвестный код");
    }
}

// A 64-bit number field; a text that is not one raises the standard
// conversion error.
qint64 StrToInt64(const QString &Text)
{
    bool ok = false;
    const qint64 value = Text.toLongLong(&ok);
    if (!ok)
        StrToInt(Text); // raises the conversion error
    return value;
}

// The low 32 bits of the reason-set field.
quint32 ReasonSet(const QLineEdit *Edit) { return static_cast<quint32>(StrToInt64(Edit->text())); }

QLineEdit *NamedEdit(const char *Name, const QString &Text, const char *Hint)
{
    auto *edit = new QLineEdit(Text);
    edit->setObjectName(QLatin1String(Name));
    edit->setToolTip(QLatin1String(Hint));
    return edit;
}

// Digits (and "." like the other number fields of the FN pages) only, at
// most MaxLength of them as typed; a text set otherwise is kept whole, so a
// change of the limit never cuts a value short behind the user's back.
void DigitsOnly(QLineEdit *Edit, int MaxLength = -1)
{
    const QString limit = MaxLength < 0 ? QStringLiteral("*") : QStringLiteral("{0,%1}").arg(MaxLength);
    const QRegularExpression digits(QStringLiteral("[0-9.]") + limit);
    if (auto *validator = Edit->findChild<QRegularExpressionValidator *>())
        validator->setRegularExpression(digits);
    else
        Edit->setValidator(new QRegularExpressionValidator(digits, Edit));
}

// A bit set filled by check boxes: not typed into, shown grey.
void MakeBitSetEdit(QLineEdit *Edit)
{
    Edit->setReadOnly(true);
    QPalette palette = Edit->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    Edit->setPalette(palette);
}

QCheckBox *NamedCheckBox(const char *Name, const QString &Caption)
{
    auto *box = new QCheckBox(Caption);
    box->setObjectName(QLatin1String(Name));
    return box;
}

template<std::size_t N>
int BitsOf(const std::array<QCheckBox *, N> &Boxes)
{
    int value = 0;
    for (std::size_t bit = 0; bit < N; ++bit)
        if (Boxes[bit] && Boxes[bit]->isChecked())
            value |= 1 << bit;
    return value;
}

template<std::size_t N>
void LoadBits(const std::array<QCheckBox *, N> &Boxes, int Value)
{
    for (std::size_t bit = 0; bit < N; ++bit)
        if (Boxes[bit])
            Boxes[bit]->setChecked(Value & (1 << bit));
}

// Restores the driver's Timeout when the report is over, however it ends.
class TTimeoutAtLeast
{
public:
    TTimeoutAtLeast(TDriver &Driver, int Minimum) : FDriver(Driver), FSaved(Driver.Timeout)
    {
        if (FDriver.Timeout < Minimum)
            FDriver.Timeout = Minimum;
    }
    ~TTimeoutAtLeast() { FDriver.Timeout = FSaved; }
    TTimeoutAtLeast(const TTimeoutAtLeast &) = delete;
    TTimeoutAtLeast &operator=(const TTimeoutAtLeast &) = delete;

private:
    TDriver &FDriver;
    int FSaved;
};

} // namespace

TfmFNFiscalization::TfmFNFiscalization(QWidget *parent) : TPage(parent)
{
    setWindowTitle(KassioTest::tr("Фискализация ФН"));
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    layout->addLayout(top);

    // Registration data.
    auto *fields = new QGridLayout;
    top->addLayout(fields);
    int row = 0;
    const auto addField = [&](const QString &Caption, QWidget *Control) {
        auto *label = new QLabel(Caption);
        label->setBuddy(Control);
        fields->addWidget(label, row, 0);
        fields->addWidget(Control, row, 1);
        ++row;
    };

    cbReportTypeInt = new QComboBox;
    cbReportTypeInt->setObjectName(QStringLiteral("cbReportTypeInt"));
    cbReportTypeInt->setToolTip(QStringLiteral("ReportTypeInt"));
    cbReportTypeInt->addItems({KassioTest::tr("Отчет о регистрации ККТ"),
                               KassioTest::tr("Отчет об изменении параметров регистрации ККТ в связи с заменой ФН"),
                               KassioTest::tr("Отчет об изменении параметров регистрации ККТ без замены ФН")});
    addField(KassioTest::tr("Тип отчета:"), cbReportTypeInt);

    edtINN = NamedEdit("edtINN", QStringLiteral("123456789012"), "INN");
    addField(KassioTest::tr("ИНН:"), edtINN);
    cbINNType = new QComboBox;
    cbINNType->setObjectName(QStringLiteral("cbINNType"));
    cbINNType->addItems({KassioTest::tr("ИП (12 цифр)"), KassioTest::tr("ЮР. лицо (10 цифр)")});
    addField(KassioTest::tr("Тип ИНН:"), cbINNType);
    edtKKTRegistrationNumber = NamedEdit("edtKKTRegistrationNumber", {}, "KKTRegistrationNumber");
    addField(KassioTest::tr("РНМ ККТ:"), edtKKTRegistrationNumber);
    edtTaxType = NamedEdit("edtTaxType", QStringLiteral("0"), "TaxType");
    addField(KassioTest::tr("Код налогообложения:"), edtTaxType);
    edtWorkMode = NamedEdit("edtWorkMode", QStringLiteral("0"), "WorkMode");
    addField(KassioTest::tr("Режим работы:"), edtWorkMode);
    edtWorkModeEx = NamedEdit("edtWorkModeEx", QStringLiteral("0"), "WorkModeEx");
    addField(KassioTest::tr("Расш. режим работы:"), edtWorkModeEx);
    for (QLineEdit *edit : {edtTaxType, edtWorkMode, edtWorkModeEx}) {
        DigitsOnly(edit);
        MakeBitSetEdit(edit);
    }
    edtAutomatNumber = NamedEdit("edtAutomatNumber", {}, "");
    addField(KassioTest::tr("Номер автомата:"), edtAutomatNumber);
    cbReasonCode = new QComboBox;
    cbReasonCode->setObjectName(QStringLiteral("cbReasonCode"));
    cbReasonCode->setToolTip(QStringLiteral("RegistrationReasonCode"));
    cbReasonCode->addItems({KassioTest::tr("1. Замена ФН"), KassioTest::tr("2. Замена ОФД"),
                            KassioTest::tr("3. Изменение реквизитов"), KassioTest::tr("4. Изменение настроек ККТ")});
    cbReasonCode->setCurrentIndex(1);
    addField(KassioTest::tr("Код причины перерегистрации:"), cbReasonCode);
    edtReasonCodeEx = NamedEdit("edtReasonCodeEx", QStringLiteral("0"), "RegistrationReasonCodeEx");
    auto *btn1 = new QPushButton(QStringLiteral("..."), this);
    btn1->setObjectName(QStringLiteral("btn1"));
    auto *reasonEx = new QWidget;
    auto *reasonExLayout = new QHBoxLayout(reasonEx);
    reasonExLayout->setContentsMargins(0, 0, 0, 0);
    reasonExLayout->addWidget(edtReasonCodeEx, 1);
    reasonExLayout->addWidget(btn1);
    addField(KassioTest::tr("Коды причин изм. сведений о ККТ (ФФД 1.2):"), reasonEx);
    edtRegistrationNumber = NamedEdit("edtRegistrationNumber", QStringLiteral("1"), "RegistrationNumber");
    addField(KassioTest::tr("Номер фискализации:"), edtRegistrationNumber);
    edtTagNumber = NamedEdit("edtTagNumber", QStringLiteral("0"), "TagNumber");
    addField(KassioTest::tr("Номер тега:"), edtTagNumber);

    // The bit sets.
    const QString osuHint = KassioTest::tr("Требуется ФФД 1.2 и ФН с поддержкой ОСУ");
    auto *boxes = new QVBoxLayout;
    top->addLayout(boxes);
    auto *taxGroup = new QGroupBox;
    auto *taxLayout = new QVBoxLayout(taxGroup);
    const char *TaxNames[] = {"chbTax0", "chbTax1", "chbTax2", nullptr, "chbTax4", "chbTax5"};
    const char *TaxCaptions[] = {QT_TRANSLATE_NOOP("KassioTest", "ОСН"), QT_TRANSLATE_NOOP("KassioTest", "УСН доход"),
                                 QT_TRANSLATE_NOOP("KassioTest", "УСН доход минус расход"), nullptr,
                                 QT_TRANSLATE_NOOP("KassioTest", "ЕСХН"), QT_TRANSLATE_NOOP("KassioTest", "ПСН")};
    for (const int bit : TaxBoxBits) {
        chbTax[bit] = NamedCheckBox(TaxNames[bit], KassioTest::tr(TaxCaptions[bit]));
        taxLayout->addWidget(chbTax[bit]);
        connect(chbTax[bit], &QCheckBox::toggled, this, [this] { TaxSystemClick(); });
    }
    boxes->addWidget(taxGroup);

    auto *modeGroup = new QGroupBox;
    auto *modeLayout = new QVBoxLayout(modeGroup);
    const char *ModeNames[] = {"chbWorkmode0", "chbWorkMode1", "chbWorkMode2", "chbWorkMode3",
                               "chbWorkMode4", "chbWorkMode5", "chbWorkMode6", "chbWorkMode7"};
    const char *ModeCaptions[] = {QT_TRANSLATE_NOOP("KassioTest", "Шифрование"),
                                  QT_TRANSLATE_NOOP("KassioTest", "Автономный режим"),
                                  QT_TRANSLATE_NOOP("KassioTest", "Автоматический режим"),
                                  QT_TRANSLATE_NOOP("KassioTest", "Применение в сфере услуг"),
                                  QT_TRANSLATE_NOOP("KassioTest", "Режим БСО"),
                                  QT_TRANSLATE_NOOP("KassioTest", "Применение в Интернет "),
                                  QT_TRANSLATE_NOOP("KassioTest", "ККТ в обществ. питании*"),
                                  QT_TRANSLATE_NOOP("KassioTest", "Опт. торговля с организациями и ИП*")};
    for (int bit = 0; bit < 8; ++bit) {
        chbWorkMode[bit] = NamedCheckBox(ModeNames[bit], KassioTest::tr(ModeCaptions[bit]));
        modeLayout->addWidget(chbWorkMode[bit]);
    }
    chbWorkMode[6]->setToolTip(osuHint);
    chbWorkMode[7]->setToolTip(osuHint);
    boxes->addWidget(modeGroup);

    auto *exGroup = new QGroupBox;
    auto *exLayout = new QVBoxLayout(exGroup);
    const char *ExCaptions[] = {QT_TRANSLATE_NOOP("KassioTest", "Продажа подакцизн. товара"),
                                QT_TRANSLATE_NOOP("KassioTest", "Проведение азартных игр"),
                                QT_TRANSLATE_NOOP("KassioTest", "Проведение лотереи"),
                                QT_TRANSLATE_NOOP("KassioTest", "Призн. устан. принтера в автомате"),
                                QT_TRANSLATE_NOOP("KassioTest", "Торговля маркиров. товарами (1.2)"),
                                QT_TRANSLATE_NOOP("KassioTest", "Ломбардная деятельность (1.2)"),
                                QT_TRANSLATE_NOOP("KassioTest", "Страховая деятельность (1.2)"),
                                QT_TRANSLATE_NOOP("KassioTest", "ККТ с торговым автоматом (1.2) *")};
    for (int bit = 0; bit < 8; ++bit) {
        const QByteArray name = "chkWorkModeEx" + QByteArray::number(bit);
        chkWorkModeEx[bit] = NamedCheckBox(name.constData(), KassioTest::tr(ExCaptions[bit]));
        exLayout->addWidget(chkWorkModeEx[bit]);
    }
    chkWorkModeEx[7]->setToolTip(osuHint);
    auto *lblInfosupport = new QLabel(KassioTest::tr("* Требуется ФФД 1.2 и ФН с поддержкой ОСУ"));
    lblInfosupport->setObjectName(QStringLiteral("lblInfosupport"));
    exLayout->addWidget(lblInfosupport);
    boxes->addWidget(exGroup);
    for (QCheckBox *box : chbWorkMode)
        connect(box, &QCheckBox::toggled, this, [this] { WorkModeClick(); });
    for (QCheckBox *box : chkWorkModeEx)
        connect(box, &QCheckBox::toggled, this, [this] { WorkModeClick(); });

    // The commands.
    auto *buttons = new QVBoxLayout;
    top->addLayout(buttons);
    auto *btnFNBeginFiscalization = AddButton("btnFNBeginFiscalization", KassioTest::tr("Начать отчет о регистрации ККТ"),
                                              "FNBeginRegistrationReport");
    auto *btnFNFiscalization = AddButton("btnFNFiscalization", KassioTest::tr("Сформировать отчет о регистрации ККТ"),
                                         "FNBuildRegistrationReport");
    auto *btnFNBuildReregistrationReport = AddButton("btnFNBuildReregistrationReport",
                                                     KassioTest::tr("Сформ. отчет о перерегистрации ККТ"),
                                                     "FNBuildReregistrationReport");
    auto *btnFNGetFiscalizationResult = AddButton("btnFNGetFiscalizationResult",
                                                  KassioTest::tr("Запрос итогов фискализации"), "FNGetFiscalizationResult");
    auto *btnFNGetFiscalizationResultByNumber = AddButton("btnFNGetFiscalizationResultByNumber",
                                                          KassioTest::tr("Запрос итогов фискализ. по номеру"),
                                                          "FNGetFiscalizationResultByNumber");
    auto *btnReadRegistrationDoc = AddButton("btnReadRegistrationDoc", KassioTest::tr("Запрос документа о регистрации"),
                                             "FNRequestRegistrationTLV");
    auto *btnReadRegistrationTag = AddButton("btnReadRegistrationTag",
                                             KassioTest::tr("Запрос тега документа о регистрации"), "FNRequestRegistrationTLV");
    for (QPushButton *button : {btnFNBeginFiscalization, btnFNFiscalization, btnFNBuildReregistrationReport,
                                btnFNGetFiscalizationResult, btnFNGetFiscalizationResultByNumber, btnReadRegistrationDoc,
                                btnReadRegistrationTag})
        buttons->addWidget(button);
    buttons->addStretch();

    Memo = CreateReportMemo();
    layout->addWidget(Memo, 1);
    FReport = TFnReport(Memo);

    // The report type list opens as wide as its longest item.
    int widest = 0;
    for (int i = 0; i < cbReportTypeInt->count(); ++i)
        widest = std::max(widest, cbReportTypeInt->fontMetrics().horizontalAdvance(cbReportTypeInt->itemText(i)));
    cbReportTypeInt->view()->setMinimumWidth(widest + 10);

    connect(cbINNType, &QComboBox::currentIndexChanged, this, [this] { UpdateForm(); });
    connect(btn1, &QPushButton::clicked, this, [this] { Guarded(this, [this] { SelectReasonCodes(); }); });
    connect(btnFNBeginFiscalization, &QPushButton::clicked, this,
            [this] { Guarded(this, [this] { BeginRegistrationReport(); }); });
    connect(btnFNFiscalization, &QPushButton::clicked, this, [this] { Guarded(this, [this] { BuildReport(false); }); });
    connect(btnFNBuildReregistrationReport, &QPushButton::clicked, this,
            [this] { Guarded(this, [this] { BuildReport(true); }); });
    OnClick(btnFNGetFiscalizationResult, [this] { GetFiscalizationResult(); });
    OnClick(btnFNGetFiscalizationResultByNumber, [this] { GetFiscalizationResultByNumber(); });
    OnClick(btnReadRegistrationDoc, [this] { ReadRegistrationDoc(); });
    OnClick(btnReadRegistrationTag, [this] { ReadRegistrationTag(); });
    UpdateForm();
}

QPushButton *TfmFNFiscalization::AddButton(const char *Name, const QString &Caption, const char *Hint)
{
    auto *button = new QPushButton(Caption, this);
    button->setObjectName(QLatin1String(Name));
    button->setToolTip(QLatin1String(Hint));
    return button;
}

void TfmFNFiscalization::TaxSystemClick()
{
    // Bits without a box (ЕНВД) stay as they are: a set read from the drive
    // must not lose them when a box changes.
    int boxMask = 0;
    for (const int bit : TaxBoxBits)
        boxMask |= 1 << bit;
    bool ok = false;
    const int current = edtTaxType->text().toInt(&ok);
    edtTaxType->setText(QString::number(((ok ? current : 0) & ~boxMask) | BitsOf(chbTax)));
}

void TfmFNFiscalization::WorkModeClick()
{
    edtWorkMode->setText(QString::number(BitsOf(chbWorkMode)));
    edtWorkModeEx->setText(QString::number(WorkModeExByte()));
    UpdateForm();
}

void TfmFNFiscalization::UpdateForm()
{
    const bool automatic = AutomaticMode();
    edtAutomatNumber->setEnabled(automatic);
    QPalette palette = edtAutomatNumber->palette();
    const QPalette standard = QApplication::palette();
    palette.setColor(QPalette::Base, standard.color(automatic ? QPalette::Base : QPalette::Button));
    edtAutomatNumber->setPalette(palette);
    DigitsOnly(edtINN, cbINNType->currentIndex() == 1 ? 10 : 12);
}

void TfmFNFiscalization::SelectReasonCodes()
{
    const std::optional<quint32> code = ReasonCodes()->Choose(ReasonSet(edtReasonCodeEx));
    if (code)
        edtReasonCodeEx->setText(QString::number(*code));
}

int TfmFNFiscalization::WorkModeExByte() const { return BitsOf(chkWorkModeEx); }
bool TfmFNFiscalization::AutomaticMode() const { return chbWorkMode[WorkModeAutomatic]->isChecked(); }

bool TfmFNFiscalization::CheckAndQueryforOSU()
{
    if (!chkWorkModeEx[7]->isChecked() && !chbWorkMode[6]->isChecked() && !chbWorkMode[7]->isChecked())
        return true;
    TDriver *d = Driver();
    const int result = d->FNGetOSUSupportStatus();
    QString text;
    if (result == 55 || result == 51) {
        text = KassioTest::tr("Текущая прошивка ККТ \r\nне поддерживает следующие параметры: \r\n ККТ в обществ. питании,\r\n"
                              " Опт. торговля с организациями и ИП,\r\n ККТ с торговым автоматом.\r\n"
                              "Продолжить в любом случае?");
    } else if (d->FNOSUSupportStatus == 255) {
        text = KassioTest::tr("ФН не поддерживает ОСУ.\r\nСледующие параметры не поддерживаются:\r\n ККТ в обществ. питании,\r\n"
                              " Опт. торговля с организациями и ИП,\r\n ККТ с торговым автоматом.\r\n"
                              "Продолжить в любом случае?");
    } else {
        return true;
    }
    return ShowMessage(this, TMessageKind::Warning, KassioTest::tr("Внимание"), text,
                       QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel)
        == QMessageBox::Ok;
}

void TfmFNFiscalization::CheckINNLength() const
{
    if (cbINNType->currentIndex() == 1) {
        if (edtINN->text().size() != 10)
            throw EKassioError(KassioTest::tr("Длина ИНН должна быть 10 символов"));
    } else if (edtINN->text().size() != 12) {
        throw EKassioError(KassioTest::tr("Длина ИНН должна быть 12 символов"));
    }
}

void TfmFNFiscalization::BeginRegistrationReport()
{
    if (!CheckAndQueryforOSU())
        return;
    RunFrame([this] {
        Memo->clear();
        Driver()->ReportTypeInt = cbReportTypeInt->currentIndex();
        Check(Driver()->FNBeginRegistrationReport());
    });
}

void TfmFNFiscalization::BuildReport(bool Reregistration)
{
    if (!CheckAndQueryforOSU())
        return;
    CheckINNLength();
    RunFrame([this, Reregistration] {
        Memo->clear();
        FReport.AddMemoLine(Reregistration ? KassioTest::tr("Сформировать отчет о перерегистрации")
                                           : KassioTest::tr("Сформировать отчет о регистрации ККТ"));
        FReport.AddSeparator();
        TDriver *d = Driver();
        if (Reregistration)
            d->RegistrationReasonCode = cbReasonCode->currentIndex() + 1;
        d->INN = edtINN->text();
        d->KKTRegistrationNumber = edtKKTRegistrationNumber->text().trimmed();
        d->TaxType = StrToInt(edtTaxType->text());
        d->WorkMode = StrToInt(edtWorkMode->text());
        if (AutomaticMode()) {
            d->ModelParamNumber = ModelParamAutomatTable;
            Check(d->ReadModelParamValue());
            d->TableNumber = d->ModelParamValue.toInt();
            d->RowNumber = 1;
            d->FieldNumber = 1;
            d->ValueOfFieldString = edtAutomatNumber->text();
            Check(d->WriteTable());
        }
        // The FN settings table of the model (parameter 72) for both reports:
        // the fixed number 18 is another table on some models.
        const int fsTable = d->FSTableNumber();
        if (!d->IsModelType2()) {
            d->WriteTableInt(fsTable, 1, FsFieldWorkModeEx, WorkModeExByte());
            if (d->ReadTableInt(FfdTable, 1, FfdField) > 2)
                d->WriteTableInt(fsTable, 1, FsFieldReasonCodeEx, static_cast<int>(ReasonSet(edtReasonCodeEx)));
        }
        int result = 0;
        {
            const TTimeoutAtLeast timeout(*d, ReportTimeout);
            result = Reregistration ? d->FNBuildReregistrationReport() : d->FNBuildRegistrationReport();
        }
        Check(result);
        FReport.AddLine(KassioTest::tr("Номер ФД"), UIntStr(d->DocumentNumber));
        FReport.AddLine(KassioTest::tr("Фискальный признак"), UIntStr(d->FiscalSign));
    });
}

void TfmFNFiscalization::GetFiscalizationResult()
{
    Memo->clear();
    TDriver *d = Driver();
    const int fsTable = d->FSTableNumber();
    Check(d->FNGetFiscalizationResult());
    // Table reads leave the result's outputs as they are.
    QString ofdInn = d->INNOFD;
    int workModeEx = d->WorkModeEx;
    const bool type2 = (ofdInn.isEmpty() || workModeEx == 0) && d->IsModelType2();
    if (ofdInn.isEmpty() && !type2)
        ofdInn = d->ReadTableStr(fsTable, 1, FsFieldOfdInn);
    if (workModeEx == 0 && !type2)
        workModeEx = d->ReadTableDef(fsTable, 1, FsFieldWorkModeEx, 0);
    ShowResult(KassioTest::tr("Запрос итогов фискализации ФН"), ofdInn, workModeEx);
}

void TfmFNFiscalization::GetFiscalizationResultByNumber()
{
    Memo->clear();
    TDriver *d = Driver();
    d->RegistrationNumber = StrToInt(edtRegistrationNumber->text());
    Check(d->FNGetFiscalizationResultByNumber());
    ShowResult(KassioTest::tr("Запрос итогов фискализации ФН по номеру"), d->INNOFD, d->WorkModeEx);
}

void TfmFNFiscalization::ShowResult(const QString &Heading, const QString &OfdInn, int WorkModeEx)
{
    const TDriver *d = Driver();
    FReport.AddMemoLine(Heading);
    FReport.AddSeparator();
    FReport.AddLine(KassioTest::tr("ИНН"), d->INN);
    FReport.AddLine(KassioTest::tr("ИНН ОФД"), OfdInn);
    edtINN->setText(d->INN.trimmed());
    FReport.AddLine(KassioTest::tr("Рег. номер ККТ"), d->KKTRegistrationNumber);
    edtKKTRegistrationNumber->setText(d->KKTRegistrationNumber.trimmed());

    FReport.AddLine(KassioTest::tr("Код сист. налогообложения"), QString::number(d->TaxType));
    for (const TFnBit &bit : TaxSystemBits())
        FReport.AddBool(Indent + BitName(bit), d->TaxType & (1 << bit.bit));
    edtTaxType->setText(QString::number(d->TaxType));
    LoadBits(chbTax, d->TaxType);

    FReport.AddLine(KassioTest::tr("Режим работы"), QString::number(d->WorkMode));
    for (const TFnBit &bit : WorkModeBits())
        FReport.AddBool(Indent + BitName(bit), d->WorkMode & (1 << bit.bit));
    edtWorkMode->setText(QString::number(d->WorkMode));
    LoadBits(chbWorkMode, d->WorkMode);

    FReport.AddLine(KassioTest::tr("Расширенные признаки работы ККТ"), QString::number(WorkModeEx));
    for (const TFnBit &bit : WorkModeExBits())
        FReport.AddBool(Indent + BitName(bit), WorkModeEx & (1 << bit.bit));
    LoadBits(chkWorkModeEx, WorkModeEx);

    FReport.AddLine(KassioTest::tr("Дата"), QLocale().toString(d->Date.date(), QLocale::ShortFormat));
    FReport.AddLine(KassioTest::tr("Время"), d->Time.time().toString(QStringLiteral("hh:mm:ss")));
    FReport.AddLine(KassioTest::tr("Код причины перерегистрации"),
                    QStringLiteral("%1, %2").arg(d->RegistrationReasonCode).arg(ReasonCodeToStr(d->RegistrationReasonCode)));
    FReport.AddRegistrationReasonCodeEx(d->RegistrationReasonCodeEx);
    FReport.AddLine(KassioTest::tr("Номер ФД"), UIntStr(d->DocumentNumber));
    FReport.AddLine(KassioTest::tr("Фискальный признак"), UIntStr(d->FiscalSign));
}

// The document and tag reads show the answer only when there is one: on a
// failure the output property still holds an earlier call's data.
void TfmFNFiscalization::ReadRegistrationDoc()
{
    Memo->clear();
    TDriver *d = Driver();
    d->RequestDocumentType = 1;
    d->ShowTagNumber = true;
    d->RegistrationNumber = StrToInt(edtRegistrationNumber->text());
    if (d->FNGetDocumentAsString() == 0)
        Memo->setPlainText(d->StringForPrinting);
}

void TfmFNFiscalization::ReadRegistrationTag()
{
    Memo->clear();
    TDriver *d = Driver();
    d->TagNumber = StrToInt(edtTagNumber->text());
    d->RegistrationNumber = StrToInt(edtRegistrationNumber->text());
    if (d->FNRequestRegistrationTLV() == 0)
        Memo->setPlainText(StrToHex(d->TLVData));
}
