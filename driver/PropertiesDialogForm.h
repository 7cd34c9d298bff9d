#pragma once
// The component's settings dialog: connection, password, port map, and the
// built-in emulator's service actions. Edits a copy of the values and touches
// the driver instance only on OK.

#include <QDialog>

#include <functional>
#include <map>
#include <memory>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TKassio;

namespace emu {
class EmulatedRegister;
}

class TfmProperties : public QDialog
{
    Q_OBJECT

public:
    explicit TfmProperties(TKassio &driver, QWidget *parent = nullptr);

    // Answers the dialog's confirmations in place of a message box (tests).
    using Confirmer = std::function<bool(const QString &question)>;
    void setConfirmer(Confirmer confirmer) { m_confirmer = std::move(confirmer); }

    // Copies the connection values as the dialog shows them to an instance.
    void applyTo(TKassio &driver) const;

    void accept() override;
    void reject() override;

private:
    void buildControls();
    void showValues();
    void fillPorts(int selectCom);
    void showPortEntry(int com);
    void updateControls();
    void showEmulatorModel();
    int connectionType() const;
    int comNumber() const;

    void checkConnection();
    void assignPort();
    void removePort();
    void factoryReset();
    void newFiscalDrive();

    // The emulator's state file when the selected connection is an emulator, else "".
    QString selectedEmulatorFile() const;
    std::shared_ptr<emu::EmulatedRegister> selectedEmulator() const;
    bool confirm(const QString &question);
    void rememberPortEntry(int com);

    TKassio &m_driver;
    Confirmer m_confirmer;
    // User port entries as they were before this dialog changed them
    // (nullopt: there was none), so Cancel can put them back.
    std::map<int, std::optional<QString>> m_portUndo;
    QString m_shownEmulatorFile;

    QComboBox *cbConnectionType = nullptr;
    QComboBox *cbComNumber = nullptr;
    QComboBox *cbBaudRate = nullptr;
    QLineEdit *edtComputerName = nullptr;
    QLineEdit *edtIPAddress = nullptr;
    QSpinBox *seTCPPort = nullptr;
    QSpinBox *seTimeout = nullptr;
    QLineEdit *edtPassword = nullptr;
    QGroupBox *grpPortMap = nullptr;
    QSpinBox *sePortMapCom = nullptr;
    QLineEdit *edtPortMapPath = nullptr;
    QPushButton *btnPortMapAssign = nullptr;
    QPushButton *btnPortMapRemove = nullptr;
    QPushButton *btnCheckConnection = nullptr;
    QLabel *lblCheckResult = nullptr;
    QGroupBox *grpEmulator = nullptr;
    QComboBox *cbModel = nullptr;
    QPushButton *btnFactoryReset = nullptr;
    QPushButton *btnNewFN = nullptr;
    QLabel *lblServiceResult = nullptr;
    QPushButton *btnOK = nullptr;
    QPushButton *btnCancel = nullptr;
};
