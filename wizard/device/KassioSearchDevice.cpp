#include "wizard/device/KassioSearchDevice.h"
#include "wizard/device/KassioBaudrate.h"
#include "wizard/device/WorkThread.h"

#include <stdexcept>

namespace {

// An attempt that failed: the register did not answer at that rate.
class ESearchFailure : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

QString codeText(int code, const QString &description)
{
    return QStringLiteral("%1, %2").arg(code).arg(description);
}

} // namespace

void TKassioDevice::Check(int ResultCode) const
{
    if (ResultCode != 0)
        throw ESearchFailure(codeText(ResultCode, ResultCodeDescription).toStdString());
}

TKassioSearchDevice::TKassioSearchDevice()
    // Fastest first after the usual factory rate; 9600 comes eighth.
    : FBaudrates{115200, 4800, 230400, 460800, 921600, 57600, 19200, 9600, 38400, 2400}
{
    FDevice.OFDExchangeSuspended = true;
    FParams.Timeout = 600;
}

TKassioSearchDevice::~TKassioSearchDevice()
{
    Stop();
    WaitForWorker();
    FDevice.Disconnect();
}

void TKassioSearchDevice::WaitForWorker()
{
    if (FThread)
        FThread->wait();
}

void TKassioSearchDevice::SetParams(const TSearchParamsRec &Value)
{
    WaitForWorker(); // the worker owns the driver instance while it runs
    {
        QMutexLocker lock(&FLock);
        FParams = Value;
    }
    FDevice.Disconnect();
    FDevice.PortNumber = Value.PortNumber;
    FDevice.Timeout = Value.Timeout;
    FDevice.ConnectionType = 0;
    FDevice.ProtocolType = 0;
}

TSearchParamsRec TKassioSearchDevice::GetParams() const
{
    QMutexLocker lock(&FLock);
    return FParams;
}

TSearchState TKassioSearchDevice::GetState() const
{
    QMutexLocker lock(&FLock);
    return FState;
}

QString TKassioSearchDevice::GetName() const
{
    QMutexLocker lock(&FLock);
    return FName;
}

QString TKassioSearchDevice::GetSerial() const
{
    QMutexLocker lock(&FLock);
    return FSerial;
}

void TKassioSearchDevice::Added()
{
    QMutexLocker lock(&FLock);
    FState.Added = true;
}

void TKassioSearchDevice::SetText(const QString &text)
{
    QMutexLocker lock(&FLock);
    FState.Text = text;
}

void TKassioSearchDevice::Search()
{
    WaitForWorker();
    FThread.reset();
    // Reset here, before the worker exists: a Stop right after Search then
    // reaches the worker instead of being undone by its start.
    FCancel = false;
    {
        QMutexLocker lock(&FLock);
        FState = TSearchState{};
    }
    FThread = std::make_unique<TNotifyThread>([this](TNotifyThread &) { SearchProc(); });
    FThread->start();
}

void TKassioSearchDevice::Stop()
{
    FCancel = true;
}

void TKassioSearchDevice::SearchProc()
{
    for (std::size_t i = 0; i < FBaudrates.size(); ++i) {
        const bool last = i + 1 == FBaudrates.size();
        try {
            if (FCancel)
                throw ETaskAbort(QStringLiteral("Поиск отменен"));
            TryBaudrate(FBaudrates[i]);
            return;
        } catch (const ETaskAbort &e) {
            // Every remaining rate would abort the same way: end now.
            FDevice.Disconnect();
            QMutexLocker lock(&FLock);
            FState.Finished = true;
            FState.Succeded = false;
            FState.Text = e.Text();
            return;
        } catch (const std::exception &) {
            FDevice.Disconnect();
            if (last) {
                QMutexLocker lock(&FLock);
                FState.Finished = true;
                FState.Succeded = false;
                FState.Text = QStringLiteral("Не найдено");
            }
        }
    }
}

void TKassioSearchDevice::TryBaudrate(int baudrate)
{
    SetText(QStringLiteral("Поиск: %1").arg(baudrate));
    const int port = GetParams().PortNumber;
    TKassioDevice &d = FDevice;
    d.Disconnect();
    d.ConnectionType = 0;
    d.ProtocolType = 0;
    d.ComNumber = port;
    d.Timeout = 1000;
    d.SearchTimeout = 600;
    d.MaxCommandSendCount = 1;
    d.MaxAnswerReadCount = 1;
    d.BaudRate = TKassioBaudrate::BaudrateToCode(baudrate);
    d.Check(d.LockPort());

    int metricsCode = 0;
    QString metricsDescription;
    QString name;
    QString serial;
    try {
        metricsCode = d.GetDeviceMetrics();
        if (metricsCode < 0)
            d.Check(metricsCode);
        // A positive code is a register that answered with a complaint.
        metricsDescription = d.ResultCodeDescription;
        name = d.UDescription.trimmed();
        const int model = d.UModel;
        serial = d.ReadSerialNumber() == 0 ? d.SerialNumber : d.ResultCodeDescription;
        {
            QMutexLocker lock(&FLock);
            FState.DeviceID = model;
        }
    } catch (...) {
        d.UnlockPort();
        throw;
    }
    d.UnlockPort();

    serial = serial.trimmed();
    QString text = QStringLiteral("%1, COM%2, %3, ЗН: %4").arg(name).arg(port).arg(baudrate).arg(serial);
    if (metricsCode > 0)
        text += QStringLiteral(": ") + codeText(metricsCode, metricsDescription);
    d.Disconnect();

    QMutexLocker lock(&FLock);
    FName = name;
    FSerial = serial;
    FParams.Baudrate = baudrate;
    FState.Text = text;
    FState.Succeded = true;
    FState.Finished = true; // last: the page reads a finished state whole
}
