#include "wizard/registration/WorkMode.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/registration/FiscalizationBefore.h"
#include "wizard/registration/PageControls.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/WizardErrors.h"
#include "wizard/shell/WizardMessages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int NotChosen = 255;
constexpr int FNNotSupported = 55;
constexpr int FNUnknownCommand = 51;
constexpr int NoOSU = 255;

QCheckBox *box(QWidget *parent, const QString &name, const QString &caption)
{
    auto *b = new QCheckBox(caption, parent);
    b->setObjectName(name);
    return b;
}

} // namespace

template <std::size_t N>
void TfmWorkMode::SetBits(const std::array<QCheckBox *, N> &boxes, quint32 value)
{
    for (std::size_t i = 0; i < N; ++i)
        if (boxes[i])
            boxes[i]->setChecked(value & (1u << i));
}

template <std::size_t N>
quint8 TfmWorkMode::GetBits(const std::array<QCheckBox *, N> &boxes)
{
    quint8 value = 0;
    for (std::size_t i = 0; i < N; ++i)
        if (boxes[i] && boxes[i]->isChecked())
            value |= static_cast<quint8>(1u << i);
    return value;
}

TfmWorkMode::TfmWorkMode() : TParamPage(QStringLiteral("Тип налогообложения и режим работы ККТ"))
{
    lblTax = NamedLabel(this, "lblTax", QStringLiteral("Системы налогообложения"));
    const QStringList taxes{QStringLiteral("ОСН"), QStringLiteral("УСН доход"),
                            QStringLiteral("УСН доход минус расход"), QString(), QStringLiteral("ЕСХН"),
                            QStringLiteral("ПСН")};
    for (int bit = 0; bit < 6; ++bit)
        if (!taxes[bit].isEmpty())
            chkTax[bit] = box(this, QStringLiteral("chkTax%1").arg(bit), taxes[bit]);

    lbl1 = NamedLabel(this, "lbl1", QStringLiteral("Режим работы"));
    const QStringList modes{QStringLiteral("Шифрование"),
                            QStringLiteral("Автономный режим"),
                            QStringLiteral("Автоматический режим"),
                            QStringLiteral("Применение в сфере услуг"),
                            QStringLiteral("Режим БСО"),
                            QStringLiteral("Применение в Интернет"),
                            QStringLiteral("ККТ в общественном питании (ФФД 1.2 + ОСУ)"),
                            QStringLiteral("Опт. торговля с организациями и ИП (ФФД 1.2 + ОСУ)")};
    for (int bit = 0; bit < 8; ++bit)
        chkWorkMode[bit] = box(this, QStringLiteral("chkWorkMode%1").arg(bit), modes[bit]);
    const QStringList extra{QStringLiteral("Продажа подакцизных товаров"),
                            QStringLiteral("Проведение азартных игр"),
                            QStringLiteral("Проведение лотереи"),
                            QStringLiteral("Установка принтера в автомате"),
                            QStringLiteral("Торговля маркиров. товарами (ФФД 1.2)"),
                            QStringLiteral("Ломбардная деятельность (ФФД 1.2)"),
                            QStringLiteral("Страховая деятельность (ФФД 1.2)"),
                            QStringLiteral("ККТ с торговым автоматом (ФФД 1.2 + ОСУ)")};
    for (int bit = 0; bit < 8; ++bit)
        chkWorkModeEx[bit] = box(this, QStringLiteral("chkWorkModeEx%1").arg(bit), extra[bit]);

    lblAgent = NamedLabel(this, "lblAgent", QStringLiteral("Признак агента (ФФД 1.05)"));
    const QStringList agents{QStringLiteral("Банк. плат. агент"), QStringLiteral("Банк. плат. субагент"),
                             QStringLiteral("Плат. агент"),       QStringLiteral("Плат. субагент"),
                             QStringLiteral("Поверенный"),        QStringLiteral("Комиссионер"),
                             QStringLiteral("Агент")};
    for (int bit = 0; bit < 7; ++bit)
        chkAgent[bit] = box(this, QStringLiteral("chkAgent%1").arg(bit), agents[bit]);

    lblAutomatNumber = NamedLabel(this, "lblAutomatNumber", QStringLiteral("Номер автомата:"));
    edtAutomatNumber = new QLineEdit(this);
    edtAutomatNumber->setObjectName(QStringLiteral("edtAutomatNumber"));
    edtAutomatNumber->setMaxLength(20);
    lblReasonCode = NamedLabel(this, "lblReasonCode", QStringLiteral("Код причины перерегистрации:"));
    cbReasonCode = new QComboBox(this);
    cbReasonCode->setObjectName(QStringLiteral("cbReasonCode"));
    cbReasonCode->addItems({QStringLiteral("2. Замена ОФД"), QStringLiteral("3. Изменение реквизитов"),
                            QStringLiteral("4. Изменение настроек ККТ")});
    lblReasonCodexEx = NamedLabel(this, "lblReasonCodexEx",
                                  QStringLiteral("Расширенн. коды причин изменения сведений о ККТ (ФФД 1.2):"));
    edtReasonCodes = new QLineEdit(QStringLiteral("0"), this);
    edtReasonCodes->setObjectName(QStringLiteral("edtReasonCodes"));
    edtReasonCodes->setMaxLength(20);
    btnSelectReasonCodes = NamedButton(this, "btnSelectReasonCodes", QStringLiteral("Выбрать коды..."));
    lbl2 = NamedLabel(this, "lbl2", QStringLiteral("Укажите нужные параметры и нажмите \"Далее\""));

    auto *groups = new QGridLayout;
    groups->addWidget(lblTax, 0, 0);
    int row = 1;
    for (QCheckBox *b : chkTax)
        if (b)
            groups->addWidget(b, row++, 0);
    groups->addWidget(lblAgent, row++, 0);
    for (QCheckBox *b : chkAgent)
        groups->addWidget(b, row++, 0);
    groups->addWidget(lbl1, 0, 1);
    row = 1;
    for (QCheckBox *b : chkWorkMode)
        groups->addWidget(b, row++, 1);
    for (QCheckBox *b : chkWorkModeEx)
        groups->addWidget(b, row++, 1);
    auto *fields = new QGridLayout;
    fields->addWidget(lblAutomatNumber, 0, 0);
    fields->addWidget(edtAutomatNumber, 0, 1);
    fields->addWidget(lblReasonCode, 1, 0);
    fields->addWidget(cbReasonCode, 1, 1);
    fields->addWidget(lblReasonCodexEx, 2, 0);
    auto *codes = new QHBoxLayout;
    codes->addWidget(edtReasonCodes);
    codes->addWidget(btnSelectReasonCodes);
    fields->addLayout(codes, 2, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(fields);
    layout->addWidget(lbl2);

    connect(chkWorkMode[2], &QCheckBox::clicked, this, [this] { UpdateAutomatNumber(); });
    connect(btnSelectReasonCodes, &QPushButton::clicked, this,
            [this] { WizardGuarded(this, [this] { btnSelectReasonCodesClick(); }); });
}

void TfmWorkMode::UpdateAutomatNumber()
{
    const bool automat = chkWorkMode[2]->isChecked();
    edtAutomatNumber->setEnabled(automat);
    // White only while it can be typed in.
    edtAutomatNumber->setStyleSheet(automat ? QStringLiteral("background-color: white;") : QString());
}

void TfmWorkMode::FormShow()
{
    TDisconnectOnExit disconnect;
    const TRegParams &r = Controller().RegParams;
    const bool ffd12 = r.FFD > 3;
    const bool reregistration = !r.FirstTime;
    for (QWidget *w : std::initializer_list<QWidget *>{chkWorkModeEx[4], chkWorkModeEx[5], chkWorkModeEx[6],
                                                        chkWorkModeEx[7], chkWorkMode[6], chkWorkMode[7]})
        w->setEnabled(ffd12);
    for (QWidget *w : std::initializer_list<QWidget *>{cbReasonCode, lblReasonCode, edtReasonCodes,
                                                        lblReasonCodexEx, btnSelectReasonCodes})
        w->setEnabled(reregistration);
    lblAgent->setEnabled(r.FFD == 2);
    for (QCheckBox *b : chkAgent)
        b->setEnabled(r.FFD == 2);

    // The FFD 1.2 extra modes stay off below FFD 1.2: their boxes are
    // disabled, so a tick left there could not be taken back.
    const quint32 exMask = ffd12 ? 0xFF : 0x0F;
    const auto chosen = [](quint8 bits) { return bits == NotChosen ? 0u : quint32(bits); };
    SetBits(chkTax, chosen(r.TaxSystem));
    SetBits(chkWorkMode, chosen(r.WorkMode));
    SetBits(chkWorkModeEx, chosen(r.WorkModeEx) & exMask);
    edtAutomatNumber->setText(r.AutomatNumber);
    UpdateAutomatNumber(); // also right when a read below fails
    lblReasonCode->setVisible(reregistration && !r.NewFN);
    cbReasonCode->setVisible(reregistration && !r.NewFN);

    // Agent kinds not chosen yet: what the register holds.
    SetBits(chkAgent, r.Agent != NotChosen ? r.Agent : static_cast<quint32>(TableReadIntDef(18, 1, 16)));

    if (reregistration) {
        const bool model19 = IsModel19();
        if (r.OFDEnabled && !model19)
            edtAutomatNumber->setText(TableReadStr(24, 1, 1));
        if (!model19)
            SetBits(chkWorkModeEx, static_cast<quint32>(TableReadIntDef(18, 1, 21)) & exMask);
        TKassio &d = WizardDriver();
        // The current registration, when the FN has one, fills what is not chosen yet.
        if (d.FNGetFiscalizationResult() == 0) {
            if (r.WorkMode == NotChosen)
                SetBits(chkWorkMode, static_cast<quint32>(d.WorkMode));
            if (r.TaxSystem == NotChosen)
                SetBits(chkTax, static_cast<quint32>(d.TaxType));
        }
    }
    UpdateAutomatNumber();
}

void TfmWorkMode::btnSelectReasonCodesClick()
{
    TReasonCodesSource *dialog = Controller().ReasonCodes();
    if (!dialog)
        return;
    // The edit is read as a 64-bit number of which the dialog takes 32 bits.
    quint32 codes = static_cast<quint32>(edtReasonCodes->text().trimmed().toLongLong());
    if (dialog->Execute(codes))
        edtReasonCodes->setText(QString::number(codes));
}

void TfmWorkMode::Next()
{
    TDisconnectOnExit disconnect;
    TRegParams &r = Controller().RegParams;
    const quint8 tax = GetBits(chkTax);
    if (tax == 0)
        throw EWizardError(QStringLiteral("Внимание!\r\nВыберите систему налогообложения"));
    const quint32 reasonCodes = static_cast<quint32>(edtReasonCodes->text().trimmed().toLongLong());
    if (r.FFD == 4 && !r.FirstTime && reasonCodes == 0)
        throw EWizardError(QStringLiteral("Внимание!\r\nНе выбрана ни один из расширенных кодов\r\nпричин изменения "
                                          "сведений о ККТ.\r\nЕсли причины нет в списке, укажите \"32. Иные причины\""));

    if (chkWorkModeEx[7]->isChecked() || chkWorkMode[6]->isChecked() || chkWorkMode[7]->isChecked()) {
        TKassio &d = WizardDriver();
        const int code = d.FNGetOSUSupportStatus();
        QString question;
        if (code == FNNotSupported || code == FNUnknownCommand)
            question = QStringLiteral("Текущая прошивка ККТ \r\nне поддерживает следующие параметры: \r\n ККТ в обществ. "
                                      "питании,\r\n Опт. торговля с организациями и ИП,\r\n ККТ с торговым "
                                      "автоматом.\r\nПродолжить в любом случае?");
        else if (d.FNOSUSupportStatus == NoOSU)
            question = QStringLiteral("ФН не поддерживает ОСУ.\r\nСледующие параметры не поддерживаются:\r\n ККТ в "
                                      "обществ. питании,\r\n Опт. торговля с организациями и ИП,\r\n ККТ с торговым "
                                      "автоматом.\r\nПродолжить в любом случае?");
        if (!question.isEmpty()
            && WizardMessage(this, TWizardMessageKind::Warning, question, QMessageBox::Ok | QMessageBox::Cancel,
                             QMessageBox::Cancel)
                   != QMessageBox::Ok)
            throw EWizardAbort();
    }

    r.WorkMode = GetBits(chkWorkMode);
    r.WorkModeEx = GetBits(chkWorkModeEx);
    r.TaxSystem = tax;
    r.AutomatNumber = edtAutomatNumber->text();
    r.ReasonCode = cbReasonCode->currentIndex() + 2;
    r.Agent = GetBits(chkAgent);
    r.ReasonCodesEx = reasonCodes;
    Controller().SetNext<TfmFiscalizationBefore>();
}
