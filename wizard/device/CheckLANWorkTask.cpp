#include "wizard/device/CheckLANWorkTask.h"
#include "wizard/device/WizardDriver.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/WizardErrors.h"

#include <QThread>

#include <cstdlib>
#include <memory>

namespace {

constexpr int DhcpAddressObtained = 10;
constexpr int DhcpPollPauseMs = 50;

} // namespace

void TCheckLANWorkTask::Execute()
{
    const TController &c = Controller();
    FIsRNDIS = c.IsRNDIS;
    FRNDISAddress = c.IP;
    FRNDISPort = c.TCPPort;
    // The worker uses the shared instance: its link must be opened there,
    // not left open from this thread.
    if (!FIsRNDIS && WizardDriverExists())
        WizardDriver().Disconnect();
    // A fresh start here rather than on the worker, so that a stop asked for
    // as soon as the task starts is not reset by it.
    State().Start(2);
    TWorkThread::Execute();
}

void TCheckLANWorkTask::Cancel()
{
    State().UserCancel();
    TWorkThread::Cancel();
}

void TCheckLANWorkTask::DoExecute()
{
    try {
        CheckLAN();
    } catch (const ETaskAbort &) {
        // A stop asked for by the user: the final line says so.
        State().UserCancel();
    } catch (const EWizardError &e) {
        State().Stop(e.Message(), false);
    } catch (const std::exception &e) {
        State().Stop(QString::fromUtf8(e.what()), false);
    }
}

void TCheckLANWorkTask::ReadEthernetAddress(QString &address, int &port)
{
    TTaskState &state = State();
    if (TableReadInt(16, 1, 1) == 0) {
        state.SetText(QStringLiteral("Ожидание получения IP адреса..."));
        const std::uint32_t start = TTaskState::CurrentTick();
        int value = 0;
        for (;;) {
            value = TableReadInt(16, 1, 2);
            state.CheckStopFlag();
            const auto elapsed = std::abs(static_cast<qint64>(TTaskState::CurrentTick()) - start);
            if (value == DhcpAddressObtained || elapsed > FDhcpWaitLimitMs)
                break;
            QThread::msleep(DhcpPollPauseMs);
        }
        if (value != DhcpAddressObtained)
            throw EWizardError(QStringLiteral("Не удается получить IP по DHCP %1").arg(value));
    }
    state.StepProgress(1);
    address = QStringLiteral("%1.%2.%3.%4")
                  .arg(TableReadInt(16, 1, 3))
                  .arg(TableReadInt(16, 1, 4))
                  .arg(TableReadInt(16, 1, 5))
                  .arg(TableReadInt(16, 1, 6));
    port = TableReadInt(21, 1, 4);
}

void TCheckLANWorkTask::CheckLAN()
{
    TTaskState &state = State();
    QString address;
    int port = 0;
    {
        TDisconnectOnExit disconnect; // the shared instance lets its port go, also on failure
        if (FIsRNDIS) {
            address = FRNDISAddress;
            port = FRNDISPort;
        } else {
            ReadEthernetAddress(address, port);
        }
        state.SetText(QStringLiteral("Подключение по сети... %1: %2").arg(address).arg(port));
    }

    auto device = std::make_unique<TKassio>();
    device->ConnectionType = 6;
    device->ComputerName = address;
    // The component's socket goes to IPAddress; the address is numeric here.
    device->IPAddress = address;
    device->TCPPort = port;
    device->TCPConnectionTimeout = FConnectTimeoutMs;
    const int code = device->GetECRStatus();
    const QString description = device->ResultCodeDescription;
    device->Disconnect();
    if (code != 0)
        throw EWizardError(QStringLiteral("Ошибка подключения к : %1:%2, %3 \r\nПроверьте настройки сети")
                               .arg(address)
                               .arg(port)
                               .arg(description));
    state.StepProgress(1);
    state.SetSuccessText(QStringLiteral("Связь успешно установлена: %1:%2\r\nНажмите \"Далее\"").arg(address).arg(port));
    state.Success();
}
