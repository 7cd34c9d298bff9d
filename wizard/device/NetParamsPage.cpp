#include "wizard/device/NetParamsPage.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/shell/WizardErrors.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int DefaultTCPPort = 7779;


} // namespace

TIPAddressEdit::TIPAddressEdit(QWidget *parent) : QLineEdit(parent)
{
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral(R"(\d{0,3}(\.\d{0,3}){0,3})")),
                                                 this));
    setMaxLength(15);
}

void TIPAddressEdit::SetOctets(const TOctets &octets)
{
    setText(FormatAddress(octets));
}

QString TIPAddressEdit::FormatAddress(const TOctets &octets)
{
    return QStringLiteral("%1.%2.%3.%4").arg(octets[0]).arg(octets[1]).arg(octets[2]).arg(octets[3]);
}

std::optional<TIPAddressEdit::TOctets> TIPAddressEdit::Octets() const
{
    return ParseAddress(text());
}

std::optional<TIPAddressEdit::TOctets> TIPAddressEdit::ParseAddress(const QString &text)
{
    const QStringList parts = text.trimmed().split(u'.');
    if (parts.size() != 4)
        return std::nullopt;
    TOctets octets{};
    for (std::size_t i = 0; i < octets.size(); ++i) {
        const QString &part = parts[static_cast<qsizetype>(i)];
        bool ok = false;
        const int value = part.toInt(&ok);
        // Digits only: toInt alone would take "+1" or " 1".
        const bool digits = !part.isEmpty() && part.size() <= 3
                            && std::all_of(part.begin(), part.end(), [](QChar ch) { return ch.isDigit(); });
        if (!ok || !digits || value > 255)
            return std::nullopt;
        octets[i] = value;
    }
    return octets;
}

TNetParamsPage::TNetParamsPage(const QString &caption) : TParamPage(caption)
{
    auto *layout = new QVBoxLayout(this);
    FForm = new QFormLayout;
    layout->addLayout(FForm);
    layout->addStretch();

    const auto makeAddress = [this](const char *name, const QString &caption) {
        auto *edit = new TIPAddressEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setProperty("caption", caption);
        return edit;
    };
    ipStatic = makeAddress("ipStatic", QStringLiteral("IP адрес:"));
    ipMask = makeAddress("ipMask", QStringLiteral("Маска:"));
    ipGateway = makeAddress("ipGateway", QStringLiteral("Шлюз:"));
    ipDNS = makeAddress("ipDNS", QStringLiteral("DNS:"));
    edtTCPPort = new QLineEdit(QString::number(DefaultTCPPort), this);
    edtTCPPort->setObjectName(QStringLiteral("edtTCPPort"));
    edtTCPPort->setProperty("caption", QStringLiteral("Порт:"));
}

void TNetParamsPage::AddDHCPBox()
{
    chkDHCP = new QCheckBox(QStringLiteral("Использовать DHCP"), this);
    chkDHCP->setObjectName(QStringLiteral("chkDHCP"));
    chkDHCP->setChecked(true);
    connect(chkDHCP, &QCheckBox::clicked, this, &TNetParamsPage::UpdateDHCPEnabling);
    FForm->addRow(chkDHCP);
}

void TNetParamsPage::AddAddressRows()
{
    for (TIPAddressEdit *edit : {ipStatic, ipMask, ipGateway, ipDNS}) {
        auto *label = new QLabel(edit->property("caption").toString(), this);
        label->setBuddy(edit);
        FAddressLabels.push_back(label);
        FForm->addRow(label, edit);
    }
}

void TNetParamsPage::AddPortRow()
{
    FForm->addRow(edtTCPPort->property("caption").toString(), edtTCPPort);
}

void TNetParamsPage::AddHint(const char *name, const QString &text)
{
    auto *hint = new QLabel(text, this);
    hint->setObjectName(QLatin1String(name));
    hint->setWordWrap(true);
    FForm->addRow(hint);
}

void TNetParamsPage::UpdateDHCPEnabling()
{
    const bool manual = !chkDHCP || !chkDHCP->isChecked();
    for (QWidget *w : {static_cast<QWidget *>(ipStatic), static_cast<QWidget *>(ipMask),
                       static_cast<QWidget *>(ipGateway), static_cast<QWidget *>(ipDNS)})
        w->setEnabled(manual);
    for (QLabel *label : FAddressLabels)
        label->setEnabled(manual);
}

void TNetParamsPage::ReadTable16Addresses()
{
    const auto octets = [](int first) {
        TIPAddressEdit::TOctets o{};
        for (int i = 0; i < 4; ++i)
            o[static_cast<std::size_t>(i)] = TableReadInt(16, 1, first + i);
        return o;
    };
    ipStatic->SetOctets(octets(3));
    ipGateway->SetOctets(octets(7));
    ipMask->SetOctets(octets(11));
    ipDNS->SetOctets(octets(15));
}

void TNetParamsPage::ReadPort()
{
    edtTCPPort->setText(QString::number(TableReadInt(21, 1, 4)));
}

QString TNetParamsPage::EditName(const QWidget *edit)
{
    return edit->property("caption").toString().chopped(1);
}

TIPAddressEdit::TOctets TNetParamsPage::AddressOf(const TIPAddressEdit *edit) const
{
    if (const auto octets = edit->Octets())
        return *octets;
    throw EWizardError(QStringLiteral("Неверный адрес в поле \"%1\": \"%2\"\r\n"
                                      "Введите четыре числа от 0 до 255 через точку")
                           .arg(EditName(edit), edit->text()));
}

int TNetParamsPage::Port() const
{
    const QString text = edtTCPPort->text().trimmed();
    bool ok = false;
    const int port = text.toInt(&ok);
    if (!ok || port < 1 || port > 65535)
        throw EWizardError(QStringLiteral("Неверный номер порта: \"%1\"\r\nВведите число от 1 до 65535")
                               .arg(edtTCPPort->text()));
    return port;
}

void TNetParamsPage::PlanTable16Addresses(TNetWritePlan &plan) const
{
    const struct {
        const TIPAddressEdit *edit;
        int firstField;
    } blocks[] = {{ipStatic, 3}, {ipGateway, 7}, {ipMask, 11}};
    for (const auto &block : blocks) {
        const TIPAddressEdit::TOctets octets = AddressOf(block.edit);
        for (int i = 0; i < 4; ++i)
            plan.push_back({16, block.firstField + i, octets[static_cast<std::size_t>(i)],
                            QStringLiteral("%1, байт %2").arg(EditName(block.edit)).arg(i + 1)});
    }
}

namespace {

[[noreturn]] void failField(const TNetFieldWrite &w, const QString &reason)
{
    throw EWizardError(QStringLiteral("Не удалось записать \"%1\" (таблица %2, поле %3):\r\n%4")
                           .arg(w.Name)
                           .arg(w.Table)
                           .arg(w.Field)
                           .arg(reason));
}

// The register's description of the field must admit the value.
void checkField(const TNetFieldWrite &w)
{
    TKassio &d = WizardDriver();
    d.TableNumber = w.Table;
    d.RowNumber = 1;
    d.FieldNumber = w.Field;
    try {
        CheckResult(d.GetFieldStruct());
    } catch (const EWizardError &e) {
        failField(w, e.Message());
    }
    const bool isText = w.Value.typeId() == QMetaType::QString;
    if (isText) {
        if (!d.FieldType)
            failField(w, QStringLiteral("поле не текстовое"));
        const qsizetype length = w.Value.toString().size();
        if (length > d.FieldSize)
            failField(w, QStringLiteral("длина текста %1 больше %2").arg(length).arg(d.FieldSize));
        return;
    }
    if (d.FieldType)
        return; // an integer goes into a text field as its decimal text
    // The limits are unsigned in the register.
    const auto value = static_cast<quint32>(w.Value.toInt());
    const auto min = static_cast<quint32>(d.MINValueOfField);
    const auto max = static_cast<quint32>(d.MAXValueOfField);
    if (w.Value.toInt() < 0 || value < min || value > max)
        failField(w, QStringLiteral("значение %1 вне пределов %2..%3").arg(w.Value.toInt()).arg(min).arg(max));
}

} // namespace

void TNetParamsPage::WritePlan(const TNetWritePlan &plan)
{
    TDisconnectOnExit disconnect;
    for (const TNetFieldWrite &w : plan)
        checkField(w);
    for (const TNetFieldWrite &w : plan) {
        try {
            if (w.Value.typeId() == QMetaType::QString)
                TableWriteStr(w.Table, 1, w.Field, w.Value.toString());
            else
                TableWriteInt(w.Table, 1, w.Field, w.Value.toInt());
        } catch (const EWizardError &e) {
            failField(w, e.Message());
        }
    }
}
