#pragma once
// "Параметры подключения по TCP": the register's address and port, typed or
// taken from the registers announcing themselves on the network, and a
// check that a register answers there.

#include "wizard/device/TCPDeviceSearch.h"
#include "wizard/shell/ParamPage.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTreeWidget;

class TfmTCPParams : public TParamPage
{
    Q_OBJECT
public:
    // udpPort: where the announcements are listened for.
    explicit TfmTCPParams(quint16 udpPort = TTCPDeviceSearch::DefaultPort);
    ~TfmTCPParams() override;

    void FormShow() override;
    void Next() override;
    void Prev() override;

    const TTCPDeviceSearch &Search() const { return *FSearch; }

private:
    void DeviceFound(const TTCPSearchItem &item);
    void ListViewClick();
    void btnCheckConnectionClick();
    void CheckConnection();

    TTCPDeviceSearch *FSearch = nullptr; // child of the page

    QLabel *lbl1 = nullptr;
    QLineEdit *edtIP = nullptr;
    QLabel *lblPort = nullptr;
    QLineEdit *edtTCPPort = nullptr;
    QPushButton *btnCheckConnection = nullptr;
    QLabel *lblInfo = nullptr;
    QLabel *lbl2 = nullptr;
    QTreeWidget *ListView = nullptr;
    QProgressBar *gifProgress = nullptr;
};
