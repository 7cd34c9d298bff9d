#include "driver/Link.h"

#include "driver/InProcessLink.h"
#include "driver/Kassio.h"
#include "driver/PortMap.h"
#include "driver/ResultCodes.h"
#include "driver/SerialLink.h"
#include "driver/TcpLink.h"

namespace kassio {

std::unique_ptr<Link> makeLink(const TKassio &k, int *errorCode, QString *detail)
{
    // Every link speaks the one frame protocol of docs/protocol.md.
    if (k.ProtocolType != 0) {
        *errorCode = rc::BadParameter;
        *detail = QStringLiteral("протокол %1 не поддерживается").arg(k.ProtocolType);
        return nullptr;
    }
    switch (k.ConnectionType) {
    case 0: {
        const QString path = PortMap::pathFor(k.ComNumber);
        if (path.isEmpty()) {
            *errorCode = rc::PortUnavailable;
            *detail = QStringLiteral("порт COM%1 не назначен").arg(k.ComNumber);
            return nullptr;
        }
        if (PortMap::isEmulatorPath(path))
            return std::make_unique<InProcessLink>(PortMap::emulatorStateFile(path));
        const auto baudRate = baudRateOfCode(k.BaudRate);
        if (!baudRate) {
            *errorCode = rc::BadParameter;
            *detail = QStringLiteral("неверный код скорости %1").arg(k.BaudRate);
            return nullptr;
        }
        return std::make_unique<SerialLink>(SerialSettings{path, *baudRate, k.SearchTimeout,
                                                           k.MaxCommandSendCount, k.MaxAnswerReadCount});
    }
    case 6:
        // The register's network name serves unless the caller asks for the
        // address (or gives no name).
        return std::make_unique<TcpLink>(k.UseIPAddress || k.ComputerName.isEmpty() ? k.IPAddress : k.ComputerName,
                                         k.TCPPort,
                                         k.TCPConnectionTimeout > 0 ? k.TCPConnectionTimeout : 5000);
    default:
        *errorCode = rc::ConnectionTypeUnsupported;
        *detail = QString();
        return nullptr;
    }
}

} // namespace kassio
