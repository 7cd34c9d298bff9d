#include "wizard/registration/OFDParams.h"
#include "wizard/device/SelectNetType.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/registration/DataPageForm.h"
#include "wizard/registration/InnCheck.h"
#include "wizard/registration/UserParams.h"
#include "wizard/registration/WizardFileDialogs.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/WizardErrors.h"
#include "wizard/shell/WizardMessages.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

constexpr int FFD12 = 4;

QString templatePlaceholder()
{
    return QStringLiteral("--Выбрать шаблон--");
}

TWizardFileDialog templateDialog(bool save)
{
    TWizardFileDialog request;
    request.save = save;
    request.folder = QDir::toNativeSeparators(OfdTemplateFolder() + u'/');
    request.filter = WizardFileFilter(QStringLiteral("xml"));
    request.defaultSuffix = QStringLiteral("xml");
    return request;
}

// A port typed on the page: empty is 0, anything but a port number is refused.
int portFromEdit(const QString &text, const QString &name)
{
    if (text.trimmed().isEmpty())
        return 0;
    bool ok = false;
    const int port = text.trimmed().toInt(&ok);
    if (!ok || port < 0 || port > 65535)
        throw EWizardError(QStringLiteral("Некорректное значение \"%1\": %2").arg(name, text));
    return port;
}

} // namespace

TfmOFDParams::TfmOFDParams() : TParamPage(QStringLiteral("Настройки ОФД"))
{
    auto *form = new QFormLayout(this);
    auto *lblTemplate = new QLabel(QStringLiteral("Шаблоны:"), this);
    cbTemplate = new QComboBox(this);
    cbTemplate->setObjectName(QStringLiteral("cbTemplate"));
    lblTemplate->setBuddy(cbTemplate);
    btnOpenFile = new QPushButton(QStringLiteral("Открыть шаблон..."), this);
    btnOpenFile->setObjectName(QStringLiteral("btnOpenFile"));
    btnSaveFile = new QPushButton(QStringLiteral("Сохранить шаблон..."), this);
    btnSaveFile->setObjectName(QStringLiteral("btnSaveFile"));
    auto *templateRow = new QHBoxLayout;
    templateRow->addWidget(cbTemplate, 1);
    templateRow->addWidget(btnOpenFile);
    templateRow->addWidget(btnSaveFile);
    form->addRow(lblTemplate, templateRow);

    edtOFDServer = AddFormEdit(form, "edtOFDServer", QStringLiteral("Сервер ОФД (URL):"));
    edtOFDPort = AddFormEdit(form, "edtOFDPort", QStringLiteral("Порт сервера ОФД:"));
    edtOFDName = AddFormEdit(form, "edtOFDName", QStringLiteral("Имя ОФД:"));
    edtOFDUrl = AddFormEdit(form, "edtOFDUrl", QStringLiteral("URL ОФД:"));
    edtINNOFD = AddFormEdit(form, "edtINNOFD", QStringLiteral("ИНН ОФД:"));
    edtTaxOfficeURL = AddFormEdit(form, "edtTaxOfficeURL", QStringLiteral("URL налог. органа:"));
    edtServerKM = AddFormEdit(form, "edtServerKM", QStringLiteral("Сервер КМ:"), 64, "lblServerKM");
    edtPortKM = AddFormEdit(form, "edtPortKM", QStringLiteral("Порт сервера КМ:"), 0, "lblPortKM");
    lblServerKM = findChild<QLabel *>(QStringLiteral("lblServerKM"));
    lblPortKM = findChild<QLabel *>(QStringLiteral("lblPortKM"));
    edtSenderEmail = AddFormEdit(form, "edtSenderEmail", QStringLiteral("E-mail отправителя:"), 64);
    AddFormLabel(form, "lbl1", QStringLiteral("Введите нужные настройки и нажмите  \"Далее\""));

    connect(cbTemplate, &QComboBox::currentIndexChanged, this, &TfmOFDParams::cbTemplateChange);
    connect(btnOpenFile, &QPushButton::clicked, this, &TfmOFDParams::btnOpenFileClick);
    connect(btnSaveFile, &QPushButton::clicked, this, &TfmOFDParams::btnSaveFileClick);
}

void TfmOFDParams::FormShow()
{
    const TRegParams &r = Controller().RegParams;
    {
        // Filling the list must not load a template.
        const QSignalBlocker blocker(cbTemplate);
        cbTemplate->clear();
        FFileList.clear();
        cbTemplate->addItem(templatePlaceholder(), -1);
        // Listed with the "ЯРУС (ОФД-Я)" template first.
        FFileList = OfdTemplateFiles();
        for (int i = 0; i < FFileList.size(); ++i)
            cbTemplate->addItem(QFileInfo(FFileList.at(i)).completeBaseName(), i);
        cbTemplate->setCurrentIndex(0);

        SetEditEnabled(edtOFDServer, r.OFDEnabled);
        SetEditEnabled(edtOFDPort, r.OFDEnabled);
        const bool km = r.FFD == FFD12;
        SetEditEnabled(edtServerKM, km);
        SetEditEnabled(edtPortKM, km);
        lblServerKM->setEnabled(km);
        lblPortKM->setEnabled(km);

        ReadFromKKT();
        SaveDefParams();
        cbTemplate->setMaxVisibleItems(std::max(1, cbTemplate->count()));
    }
}

void TfmOFDParams::ReadFromKKT()
{
    const TRegParams &r = Controller().RegParams;
    TDisconnectOnExit disconnect;
    if (r.OFDEnabled) {
        edtOFDServer->setText(!r.OFDServer.isEmpty() ? r.OFDServer : TableReadStr(19, 1, 1));
        edtOFDPort->setText(QString::number(r.OFDPort != 0 ? r.OFDPort : TableReadInt(19, 1, 2)));
    }
    edtOFDName->setText(!r.OFDName.isEmpty() ? r.OFDName : TableReadStr(18, 1, 10));
    edtOFDUrl->setText(!r.OFDUrl.isEmpty() ? r.OFDUrl : TableReadStr(18, 1, 11));
    edtINNOFD->setText(!r.OFDINN.isEmpty() ? r.OFDINN : TableReadStr(18, 1, 12));
    edtTaxOfficeURL->setText(!r.TaxOfficeURL.isEmpty() ? r.TaxOfficeURL : DefaultTaxOfficeURL());
    // The marking-code server lives in the OFD table: a register without
    // one has nothing to read.
    if (r.FFD == FFD12 && r.OFDEnabled) {
        if (r.ServerKM.isEmpty())
            edtServerKM->setText(TableReadStr(19, 1, 5));
        if (r.PortKM == 0)
            edtPortKM->setText(QString::number(TableReadInt(19, 1, 6)));
    }
    edtSenderEmail->setText(!r.SenderEmail.isEmpty() ? r.SenderEmail : TableReadStrDef(18, 1, 15));
}

TOfdTemplate TfmOFDParams::EditValues() const
{
    return {edtOFDServer->text(), edtOFDPort->text(),     edtOFDName->text(),
            edtOFDUrl->text(),    edtINNOFD->text(),      edtTaxOfficeURL->text(),
            edtServerKM->text(),  edtPortKM->text(),      edtSenderEmail->text()};
}

void TfmOFDParams::ShowValues(const TOfdTemplate &values)
{
    edtOFDServer->setText(values.OFDServer);
    edtOFDPort->setText(values.OFDPort);
    edtOFDName->setText(values.OFDName);
    edtOFDUrl->setText(values.OFDUrl);
    edtINNOFD->setText(values.INNOFD);
    edtTaxOfficeURL->setText(values.TaxOfficeURL);
    edtServerKM->setText(values.ServerKM);
    edtPortKM->setText(values.PortKM);
    edtSenderEmail->setText(values.SenderEmail);
}

void TfmOFDParams::SaveDefParams()
{
    // Kept as the edits' texts: an empty port (no OFD table) is not an error.
    FDefRegParams = EditValues();
}

void TfmOFDParams::RestoreDefParams()
{
    ShowValues(FDefRegParams);
}

void TfmOFDParams::SaveToKKT()
{
    TOfdTemplate values = EditValues();
    values.OFDPort = QString::number(portFromEdit(values.OFDPort, QStringLiteral("Порт сервера ОФД")));
    // A marking-code port that is not a number counts as none.
    bool ok = false;
    const int portKM = values.PortKM.trimmed().toInt(&ok);
    values.PortKM = ok && portKM > 0 && portKM <= 65535 ? QString::number(portKM) : QString();
    ApplyOfdTemplate(values, Controller().RegParams);
}

void TfmOFDParams::cbTemplateChange(int index)
{
    WizardGuarded(this, [this, index] {
        if (cbTemplate->count() <= 1)
            return;
        const int file = cbTemplate->itemData(index).toInt();
        if (file < 0 || file >= FFileList.size())
            RestoreDefParams();
        else
            ShowValues(ReadOfdTemplate(FFileList.at(file)));
    });
}

void TfmOFDParams::btnOpenFileClick()
{
    WizardGuarded(this, [this] {
        const QString file = WizardFileDialog(this, templateDialog(false));
        if (!file.isEmpty())
            ShowValues(ReadOfdTemplate(file));
    });
}

void TfmOFDParams::btnSaveFileClick()
{
    WizardGuarded(this, [this] {
        const QString file = WizardFileDialog(this, templateDialog(true));
        if (!file.isEmpty())
            WriteOfdTemplate(file, EditValues());
    });
}

void TfmOFDParams::WriteConnectionToKKT()
{
    const TRegParams &r = Controller().RegParams;
    TDisconnectOnExit disconnect;
    TableWriteStr(19, 1, 1, r.OFDServer);
    TableWriteInt(19, 1, 2, r.OFDPort);
    if (r.FFD == FFD12) {
        TableWriteStr(19, 1, 5, r.ServerKM);
        TableWriteInt(19, 1, 6, r.PortKM);
    }
}

void TfmOFDParams::Next()
{
    TController &c = Controller();
    const TRegParams &r = c.RegParams;
    if (r.OFDEnabled) {
        RequireValue(edtOFDServer->text(), QStringLiteral("Сервер ОФД"));
        RequireValue(edtOFDPort->text(), QStringLiteral("Порт сервера ОФД"));
    }
    RequireValue(edtOFDName->text(), QStringLiteral("Имя ОФД"));
    RequireValue(edtOFDUrl->text(), QStringLiteral("URL ОФД"));
    RequireValue(edtINNOFD->text(), QStringLiteral("ИНН ОФД"));
    RequireValue(edtTaxOfficeURL->text(), QStringLiteral("URL налог. органа"));
    if (edtTaxOfficeURL->text() != DefaultTaxOfficeURL()) {
        const QString question = QStringLiteral("URL налогового органа отличается от \r\n\"%1\"\r\nПродолжить?")
                                     .arg(DefaultTaxOfficeURL());
        if (WizardMessage(this, TWizardMessageKind::Warning, question, QMessageBox::Ok | QMessageBox::Cancel,
                          QMessageBox::Cancel, WarningTitle())
            != QMessageBox::Ok)
            throw EWizardError(QStringLiteral("Исправьте URL налогового органа"));
    }
    if (r.FFD == FFD12) {
        RequireValue(edtServerKM->text(), QStringLiteral("Сервер KM"));
        RequireValue(edtPortKM->text(), QStringLiteral("Порт сервера KM"));
    }
    CheckSenderEmail(edtSenderEmail->text());
    bool innValid = false;
    try {
        innValid = IsValidINN(edtINNOFD->text().trimmed());
    } catch (const EWizardError &) {
        throw EWizardError(QStringLiteral("Ошибка в ИНН ОФД"));
    }
    if (!innValid)
        throw EWizardError(QStringLiteral("ИНН ОФД не валидный!"));
    SaveToKKT();

    if (c.IsOFDSettingMode) {
        // The OFD setup job exists to change the register's connection to
        // its OFD: it must not end with the register unchanged.
        WriteConnectionToKKT();
        c.SetNext<TfmSelectNetType>();
    } else {
        c.SetNext<TfmUserParams>();
    }
}
