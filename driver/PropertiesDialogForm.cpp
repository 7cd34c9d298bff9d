#include "driver/PropertiesDialogForm.h"

#include "driver/Kassio.h"
#include "driver/PortMap.h"
#include "emulator/EmulatedRegister.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

using kassio::PortMap;

namespace {

constexpr int kBaudRates[] = {2400, 4800, 9600, 19200, 38400, 57600, 115200, 230400, 460800, 921600};

struct ConnectionKind {
    int type;
    const char *text;
};
const ConnectionKind kConnectionKinds[] = {
    {0, "COM-порт"},
    {1, "COM-порт удалённого компьютера"},
    {2, "COM-порт удалённого компьютера (сервер)"},
    {6, "TCP-сокет"},
};

template <class W>
W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QString portText(const kassio::PortEntry &e)
{
    QString where = e.path;
    if (e.path == PortMap::builtInEmulatorPath())
        where = QStringLiteral("встроенный эмулятор ККТ");
    else if (PortMap::isEmulatorPath(e.path))
        where = QStringLiteral("эмулятор ККТ: %1").arg(PortMap::emulatorStateFile(e.path));
    return QStringLiteral("COM%1 — %2").arg(e.comNumber).arg(where);
}

std::optional<kassio::PortEntry> findEntry(int com)
{
    for (const auto &e : PortMap::entries())
        if (e.comNumber == com)
            return e;
    return std::nullopt;
}

// Shows a wait cursor while a blocking call runs.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace

TfmProperties::TfmProperties(TKassio &driver, QWidget *parent) : QDialog(parent), m_driver(driver)
{
    setObjectName(QStringLiteral("TfmProperties"));
    setWindowTitle(QStringLiteral("Свойства драйвера"));
    buildControls();
    showValues();
}

void TfmProperties::buildControls()
{
    cbConnectionType = named(new QComboBox, "cbConnectionType");
    for (const auto &k : kConnectionKinds)
        cbConnectionType->addItem(QString::fromUtf8(k.text), k.type);
    cbComNumber = named(new QComboBox, "cbComNumber");
    cbBaudRate = named(new QComboBox, "cbBaudRate");
    for (int rate : kBaudRates)
        cbBaudRate->addItem(QString::number(rate));
    edtComputerName = named(new QLineEdit, "edtComputerName");
    edtIPAddress = named(new QLineEdit, "edtIPAddress");
    seTCPPort = named(new QSpinBox, "seTCPPort");
    seTCPPort->setRange(1, 65535);
    seTCPPort->setToolTip(QStringLiteral("TCPPort"));
    seTimeout = named(new QSpinBox, "seTimeout");
    seTimeout->setRange(0, 600000);
    seTimeout->setSingleStep(100);
    seTimeout->setToolTip(QStringLiteral("Timeout"));
    edtPassword = named(new QLineEdit, "edtPassword");
    edtPassword->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{1,9}")), edtPassword));
    edtPassword->setToolTip(QStringLiteral("Password"));

    auto *connection = new QGroupBox(QStringLiteral("Подключение"));
    auto *form = new QFormLayout(connection);
    form->addRow(QStringLiteral("Тип подключения:"), cbConnectionType);
    form->addRow(QStringLiteral("COM-порт:"), cbComNumber);
    form->addRow(QStringLiteral("Скорость, бод:"), cbBaudRate);
    form->addRow(QStringLiteral("Компьютер:"), edtComputerName);
    form->addRow(QStringLiteral("IP-адрес:"), edtIPAddress);
    form->addRow(QStringLiteral("TCP-порт:"), seTCPPort);
    form->addRow(QStringLiteral("Таймаут, мс:"), seTimeout);
    form->addRow(QStringLiteral("Пароль:"), edtPassword);

    grpPortMap = named(new QGroupBox(QStringLiteral("Назначение COM-портов")), "grpPortMap");
    sePortMapCom = named(new QSpinBox, "sePortMapCom");
    sePortMapCom->setRange(1, PortMap::MaxComNumber);
    sePortMapCom->setPrefix(QStringLiteral("COM"));
    edtPortMapPath = named(new QLineEdit, "edtPortMapPath");
    edtPortMapPath->setPlaceholderText(QStringLiteral("/dev/ttyUSB0, /dev/pts/3 или emulator"));
    btnPortMapAssign = named(new QPushButton(QStringLiteral("Назначить")), "btnPortMapAssign");
    btnPortMapRemove = named(new QPushButton(QStringLiteral("Удалить")), "btnPortMapRemove");
    auto *mapRow = new QHBoxLayout(grpPortMap);
    mapRow->addWidget(sePortMapCom);
    mapRow->addWidget(edtPortMapPath, 1);
    mapRow->addWidget(btnPortMapAssign);
    mapRow->addWidget(btnPortMapRemove);

    btnCheckConnection = named(new QPushButton(QStringLiteral("Проверка связи")), "btnCheckConnection");
    lblCheckResult = named(new QLabel, "lblCheckResult");
    lblCheckResult->setWordWrap(true);
    lblCheckResult->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *checkRow = new QHBoxLayout;
    checkRow->addWidget(btnCheckConnection, 0, Qt::AlignTop);
    checkRow->addWidget(lblCheckResult, 1);

    grpEmulator = named(new QGroupBox(QStringLiteral("Эмулятор ККТ")), "grpEmulator");
    cbModel = named(new QComboBox, "cbModel");
    for (const auto &m : emu::models())
        cbModel->addItem(m.description, m.id);
    btnFactoryReset = named(new QPushButton(QStringLiteral("Сброс к заводским настройкам")), "btnFactoryReset");
    btnNewFN = named(new QPushButton(QStringLiteral("Новый ФН")), "btnNewFN");
    lblServiceResult = named(new QLabel, "lblServiceResult");
    lblServiceResult->setWordWrap(true);
    auto *emuForm = new QFormLayout(grpEmulator);
    emuForm->addRow(QStringLiteral("Модель:"), cbModel);
    auto *emuButtons = new QHBoxLayout;
    emuButtons->addWidget(btnFactoryReset);
    emuButtons->addWidget(btnNewFN);
    emuButtons->addStretch();
    emuForm->addRow(emuButtons);
    emuForm->addRow(lblServiceResult);

    btnOK = named(new QPushButton(QStringLiteral("ОК")), "btnOK");
    btnOK->setDefault(true);
    btnCancel = named(new QPushButton(QStringLiteral("Отмена")), "btnCancel");
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(connection);
    layout->addWidget(grpPortMap);
    layout->addLayout(checkRow);
    layout->addWidget(grpEmulator);
    layout->addLayout(buttons);

    const auto update = [this] { updateControls(); };
    connect(cbConnectionType, &QComboBox::currentIndexChanged, this, update);
    connect(cbComNumber, &QComboBox::currentIndexChanged, this, [this] {
        // Offer the selected port for editing in the port map row.
        showPortEntry(comNumber());
        updateControls();
    });
    connect(edtIPAddress, &QLineEdit::textChanged, this, update);
    connect(edtPassword, &QLineEdit::textChanged, this, update);
    connect(sePortMapCom, &QSpinBox::valueChanged, this, update);
    connect(edtPortMapPath, &QLineEdit::textChanged, this, update);
    connect(btnPortMapAssign, &QPushButton::clicked, this, &TfmProperties::assignPort);
    connect(btnPortMapRemove, &QPushButton::clicked, this, &TfmProperties::removePort);
    connect(btnCheckConnection, &QPushButton::clicked, this, &TfmProperties::checkConnection);
    connect(btnFactoryReset, &QPushButton::clicked, this, &TfmProperties::factoryReset);
    connect(btnNewFN, &QPushButton::clicked, this, &TfmProperties::newFiscalDrive);
    connect(btnOK, &QPushButton::clicked, this, &TfmProperties::accept);
    connect(btnCancel, &QPushButton::clicked, this, &TfmProperties::reject);
}

void TfmProperties::showValues()
{
    const int typeIndex = cbConnectionType->findData(m_driver.ConnectionType);
    cbConnectionType->setCurrentIndex(typeIndex >= 0 ? typeIndex : 0);
    fillPorts(m_driver.ComNumber);
    showPortEntry(comNumber());
    cbBaudRate->setCurrentIndex(std::clamp(m_driver.BaudRate, 0, cbBaudRate->count() - 1));
    edtComputerName->setText(m_driver.ComputerName);
    edtIPAddress->setText(m_driver.IPAddress);
    seTCPPort->setValue(m_driver.TCPPort);
    seTimeout->setValue(m_driver.Timeout);
    edtPassword->setText(QString::number(m_driver.Password));
    updateControls();
}

void TfmProperties::fillPorts(int selectCom)
{
    const QSignalBlocker block(cbComNumber);
    cbComNumber->clear();
    bool listed = false;
    for (const auto &e : PortMap::entries()) {
        cbComNumber->addItem(portText(e), e.comNumber);
        listed = listed || e.comNumber == selectCom;
    }
    // Keep a stored number that has no device now, so OK does not change it.
    if (!listed && selectCom >= 1 && selectCom <= PortMap::MaxComNumber)
        cbComNumber->addItem(QStringLiteral("COM%1 — не назначен").arg(selectCom), selectCom);
    cbComNumber->setCurrentIndex(std::max(0, cbComNumber->findData(selectCom)));
}

void TfmProperties::showPortEntry(int com)
{
    sePortMapCom->setValue(com);
    const auto e = findEntry(com);
    edtPortMapPath->setText(e ? e->path : QString());
}

int TfmProperties::connectionType() const { return cbConnectionType->currentData().toInt(); }

int TfmProperties::comNumber() const { return cbComNumber->currentData().toInt(); }

void TfmProperties::updateControls()
{
    const int type = connectionType();
    const bool serial = type == 0 || type == 1 || type == 2;
    cbComNumber->setEnabled(serial);
    cbBaudRate->setEnabled(serial);
    grpPortMap->setEnabled(serial);
    edtComputerName->setEnabled(type == 1 || type == 2);
    edtIPAddress->setEnabled(type == 6);
    seTCPPort->setEnabled(type == 6);

    const auto mapped = findEntry(sePortMapCom->value());
    btnPortMapAssign->setEnabled(!edtPortMapPath->text().trimmed().isEmpty());
    btnPortMapRemove->setEnabled(mapped && mapped->user);

    btnOK->setEnabled(edtPassword->hasAcceptableInput() && (type != 6 || !edtIPAddress->text().trimmed().isEmpty()));

    grpEmulator->setEnabled(!selectedEmulatorFile().isEmpty());
    showEmulatorModel();
}

void TfmProperties::showEmulatorModel()
{
    // Open the register only when another emulator gets selected.
    const QString file = selectedEmulatorFile();
    if (file == m_shownEmulatorFile)
        return;
    m_shownEmulatorFile = file;
    if (const auto reg = selectedEmulator(); reg && reg->isOpen()) {
        const int index = cbModel->findData(reg->snapshot().modelId);
        if (index >= 0)
            cbModel->setCurrentIndex(index);
    }
}

QString TfmProperties::selectedEmulatorFile() const
{
    if (connectionType() != 0)
        return {};
    const QString path = PortMap::pathFor(comNumber());
    return PortMap::isEmulatorPath(path) ? PortMap::emulatorStateFile(path) : QString();
}

std::shared_ptr<emu::EmulatedRegister> TfmProperties::selectedEmulator() const
{
    const QString file = selectedEmulatorFile();
    return file.isEmpty() ? nullptr : emu::EmulatedRegister::shared(file);
}

void TfmProperties::applyTo(TKassio &driver) const
{
    driver.ConnectionType = connectionType();
    driver.ComNumber = comNumber();
    driver.BaudRate = cbBaudRate->currentIndex();
    driver.ComputerName = edtComputerName->text().trimmed();
    driver.IPAddress = edtIPAddress->text().trimmed();
    driver.TCPPort = seTCPPort->value();
    driver.Timeout = seTimeout->value();
    driver.Password = edtPassword->text().toInt();
}

void TfmProperties::accept()
{
    if (!btnOK->isEnabled())
        return;
    applyTo(m_driver);
    m_driver.saveSettings();
    m_portUndo.clear();
    QDialog::accept();
}

void TfmProperties::reject()
{
    for (const auto &[com, path] : m_portUndo) {
        if (path)
            PortMap::setUserEntry(com, *path);
        else
            PortMap::removeUserEntry(com);
    }
    m_portUndo.clear();
    QDialog::reject();
}

bool TfmProperties::confirm(const QString &question)
{
    if (m_confirmer)
        return m_confirmer(question);
    return QMessageBox::question(this, windowTitle(), question) == QMessageBox::Yes;
}

void TfmProperties::rememberPortEntry(int com)
{
    if (m_portUndo.contains(com))
        return;
    const auto e = findEntry(com);
    m_portUndo[com] = e && e->user ? std::optional<QString>(e->path) : std::nullopt;
}

void TfmProperties::assignPort()
{
    const int com = sePortMapCom->value();
    const QString path = edtPortMapPath->text().trimmed();
    if (path.isEmpty())
        return;
    rememberPortEntry(com);
    PortMap::setUserEntry(com, path);
    fillPorts(com);
    showPortEntry(com);
    updateControls();
}

void TfmProperties::removePort()
{
    const int com = sePortMapCom->value();
    rememberPortEntry(com);
    PortMap::removeUserEntry(com);
    fillPorts(comNumber());
    showPortEntry(com);
    updateControls();
}

void TfmProperties::checkConnection()
{
    lblCheckResult->clear();
    const WaitCursor wait;
    // A separate instance, so the caller's keeps its values and its link.
    TKassio probe;
    applyTo(probe);
    const int code = probe.GetDeviceMetrics();
    QString text = QStringLiteral("(%1) %2").arg(code).arg(probe.ResultCodeDescription);
    if (code == 0)
        text += u'\n' + probe.UDescription;
    probe.Disconnect();
    lblCheckResult->setText(text);
}

void TfmProperties::factoryReset()
{
    const auto reg = selectedEmulator();
    if (!reg)
        return;
    const int model = cbModel->currentData().toInt();
    const bool otherModel = reg->isOpen() && reg->snapshot().modelId != model;
    const QString question = otherModel
        ? QStringLiteral("Смена модели сбрасывает ККТ к заводским настройкам: данные ККТ и ФН будут потеряны. Продолжить?")
        : QStringLiteral("Сбросить ККТ к заводским настройкам? Данные ККТ и ФН будут потеряны.");
    if (!confirm(question))
        return;
    lblServiceResult->setText(reg->factoryReset(model)
                                  ? QStringLiteral("ККТ сброшена к заводским настройкам: %1.").arg(cbModel->currentText())
                                  : QStringLiteral("Ошибка: %1").arg(reg->lastError()));
}

void TfmProperties::newFiscalDrive()
{
    const auto reg = selectedEmulator();
    if (!reg)
        return;
    if (!confirm(QStringLiteral("Заменить ФН новым? Документы текущего ФН будут потеряны.")))
        return;
    lblServiceResult->setText(reg->newFiscalDrive() ? QStringLiteral("Установлен новый ФН.")
                                                    : QStringLiteral("Ошибка: %1").arg(reg->lastError()));
}
