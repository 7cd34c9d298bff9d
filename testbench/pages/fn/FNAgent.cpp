#include "testbench/pages/fn/FNAgent.h"

#include "testbench/shell/PageTable.h"
#include "testbench/shell/Translation.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

KASSIO_PAGE_FACTORY(TfmFNAgent)

namespace {

struct TFieldDef
{
    int Tag;
    const char *Caption;
    int MaxLength; // 0: no limit
    bool Several;
};

const TFieldDef AgentFieldDefs[] = {
    {1075, QT_TRANSLATE_NOOP("KassioTest", "Тел. оператора перевода*:"), 0, true},
    {1044, QT_TRANSLATE_NOOP("KassioTest", "Опер. плат. агента:"), 24, false},
    {1073, QT_TRANSLATE_NOOP("KassioTest", "Тел. плат. агента*:"), 0, true},
    {1074, QT_TRANSLATE_NOOP("KassioTest", "Тел. опер. по приему плат.*:"), 0, true},
    {1026, QT_TRANSLATE_NOOP("KassioTest", "Наим. операт. перевода:"), 64, false},
    {1005, QT_TRANSLATE_NOOP("KassioTest", "Адр. операт. перевода:"), 256, false},
    {1016, QT_TRANSLATE_NOOP("KassioTest", "ИНН операт. перевода:"), 12, false},
};

const TFieldDef SupplierFieldDefs[] = {
    {agenttag::SupplierPhone, QT_TRANSLATE_NOOP("KassioTest", "Тел. поставщика*:"), 0, true},
    {agenttag::SupplierName, QT_TRANSLATE_NOOP("KassioTest", "Наим. поставщика:"), 256, false},
};

const char *const AgentCaptions[] = {
    QT_TRANSLATE_NOOP("KassioTest", "Банк. пл. агент"),   QT_TRANSLATE_NOOP("KassioTest", "Банк. пл. субагент"),
    QT_TRANSLATE_NOOP("KassioTest", "Пл. агент"),         QT_TRANSLATE_NOOP("KassioTest", "Пл. субагент"),
    QT_TRANSLATE_NOOP("KassioTest", "Поверенный"),        QT_TRANSLATE_NOOP("KassioTest", "Комиссионер"),
    QT_TRANSLATE_NOOP("KassioTest", "Агент"),
};

// An INN is digits only, typed or pasted.
void DigitsOnly(QLineEdit *Edit)
{
    Edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), Edit));
}

QList<TAgentTag> UsedTags(const auto &Fields)
{
    QList<TAgentTag> tags;
    for (const auto &field : Fields)
        if (field.Use->isChecked())
            tags << TAgentTag{field.Tag, field.Edit->text(), field.Several};
    return tags;
}

} // namespace

TfmFNAgent::TfmFNAgent(QWidget *parent) : TPage(parent)
{
    setWindowTitle(KassioTest::tr("Агент"));
    auto *layout = new QVBoxLayout(this);

    rbTagsPosition = new QRadioButton(KassioTest::tr("Передавать теги в составе позиции"), this);
    rbTagsPosition->setObjectName(QStringLiteral("rbTagsPosition"));
    rbTagsPosition->setChecked(true);
    rbTagsDocument = new QRadioButton(KassioTest::tr("Передавать теги в составе документа"), this);
    rbTagsDocument->setObjectName(QStringLiteral("rbTagsDocument"));
    layout->addWidget(rbTagsPosition);
    layout->addWidget(rbTagsDocument);

    auto *signs = new QGridLayout;
    for (int n = 0; n < static_cast<int>(chkAgent.size()); ++n) {
        chkAgent[n] = new QCheckBox(KassioTest::tr(AgentCaptions[n]), this);
        chkAgent[n]->setObjectName(QStringLiteral("chkAgent%1").arg(n));
        chkAgent[n]->setToolTip(QStringLiteral("TagValueInt"));
        signs->addWidget(chkAgent[n], n / 4, n % 4);
    }
    layout->addLayout(signs);

    const auto addFields = [this](QGroupBox *Group, const auto &Defs, QList<TTagField> &Fields) {
        auto *grid = new QGridLayout(Group);
        for (const TFieldDef &def : Defs) {
            auto *edit = new QLineEdit(Group);
            edit->setObjectName(QStringLiteral("edt%1").arg(def.Tag));
            if (def.MaxLength > 0)
                edit->setMaxLength(def.MaxLength);
            auto *use = new QCheckBox(Group);
            use->setObjectName(QStringLiteral("chkUse%1").arg(def.Tag));
            use->setChecked(true);
            auto *label = new QLabel(KassioTest::tr(def.Caption), Group);
            label->setBuddy(edit);
            const int row = grid->rowCount();
            grid->addWidget(label, row, 0);
            grid->addWidget(edit, row, 1);
            grid->addWidget(use, row, 2);
            Fields << TTagField{def.Tag, def.Several, edit, use};
        }
        grid->setColumnStretch(1, 1);
    };
    auto *agentGroup = new QGroupBox(KassioTest::tr("Данные агента"), this);
    addFields(agentGroup, AgentFieldDefs, FAgentFields);
    layout->addWidget(agentGroup);
    auto *supplierGroup = new QGroupBox(KassioTest::tr("Данные поставщика"), this);
    addFields(supplierGroup, SupplierFieldDefs, FSupplierFields);
    layout->addWidget(supplierGroup);
    DigitsOnly(findChild<QLineEdit *>(QStringLiteral("edt1016")));
    edt1225 = findChild<QLineEdit *>(QStringLiteral("edt1225"));
    chkUse1225 = findChild<QCheckBox *>(QStringLiteral("chkUse1225"));

    auto *innRow = new QHBoxLayout;
    edtSupplierINN = new QLineEdit(this);
    edtSupplierINN->setObjectName(QStringLiteral("edtSupplierINN"));
    edtSupplierINN->setMaxLength(12);
    DigitsOnly(edtSupplierINN);
    chkUse1226 = new QCheckBox(this);
    chkUse1226->setObjectName(QStringLiteral("chkUse1226"));
    chkUse1226->setChecked(true);
    auto *lblSupplierINN = new QLabel(KassioTest::tr("ИНН поставщика:"), this);
    lblSupplierINN->setBuddy(edtSupplierINN);
    innRow->addWidget(lblSupplierINN);
    innRow->addWidget(edtSupplierINN, 1);
    innRow->addWidget(chkUse1226);
    layout->addLayout(innRow);

    auto *note = new QLabel(KassioTest::tr("* Можно указать несколько телефонных номеров, разделив их запятой"), this);
    note->setWordWrap(true);
    layout->addWidget(note);

    const auto addButton = [this](const char *Name, const QString &Caption) {
        auto *button = new QPushButton(Caption, this);
        button->setObjectName(QLatin1String(Name));
        return button;
    };
    btnFNSendAgentSign = addButton("btnFNSendAgentSign", KassioTest::tr("Передать признак агента"));
    btnSendAgentData = addButton("btnSendAgentData", KassioTest::tr("Передать данные агента"));
    btnSendSupplierData = addButton("btnSendSupplierData", KassioTest::tr("Передать данные поставщика"));
    btnSendSupplierINN = addButton("btnSendSupplierINN", KassioTest::tr("Передать ИНН поставщика"));
    auto *buttons = new QGridLayout;
    buttons->addWidget(btnFNSendAgentSign, 0, 0);
    buttons->addWidget(btnSendAgentData, 0, 1);
    buttons->addWidget(btnSendSupplierData, 1, 0);
    buttons->addWidget(btnSendSupplierINN, 1, 1);
    layout->addLayout(buttons);
    layout->addStretch(1);

    connect(rbTagsPosition, &QRadioButton::toggled, this, [this] { UpdateView(); });
    UpdateView();

    OnClick(btnFNSendAgentSign, [this] {
        const TAgentTags tags = AgentTags();
        PositionMode() ? SendAgentSignPosition(tags) : SendAgentSignDocument(tags);
    });
    OnClick(btnSendAgentData, [this] {
        const TAgentTags tags = AgentTags();
        PositionMode() ? SendAgentDataPosition(tags) : SendAgentDataDocument(tags);
    });
    OnClick(btnSendSupplierData, [this] {
        const TAgentTags tags = AgentTags();
        if (tags.SupplierData.isEmpty())
            return;
        PositionMode() ? SendSupplierDataPosition(tags) : SendSupplierDataDocument(tags);
    });
    OnClick(btnSendSupplierINN, [this] { SendSupplierINN(AgentTags()); });
}

void TfmFNAgent::UpdatePage() { UpdateView(); }

void TfmFNAgent::EnableButtons(bool Value)
{
    TPage::EnableButtons(Value);
    if (Value)
        UpdateView();
}

bool TfmFNAgent::PositionMode() const { return rbTagsPosition->isChecked(); }

void TfmFNAgent::UpdateView()
{
    const bool position = PositionMode();
    edtSupplierINN->setEnabled(position);
    btnSendSupplierINN->setEnabled(position);
    edt1225->setEnabled(position);
    chkUse1225->setEnabled(position);
}

TAgentTags TfmFNAgent::AgentTags() const
{
    TAgentTags tags;
    for (int n = 0; n < static_cast<int>(chkAgent.size()); ++n)
        if (chkAgent[n]->isChecked())
            tags.Sign |= 1 << n;
    tags.AgentData = UsedTags(FAgentFields);
    tags.SupplierData = UsedTags(FSupplierFields);
    tags.UseSupplierINN = chkUse1226->isChecked();
    tags.SupplierINN = edtSupplierINN->text();
    return tags;
}
