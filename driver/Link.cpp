#include "driver/Link.h"

#include "driver/InProcessLink.h"
#include "driver/Kassio.h"
#include "driver/PortMap.h"
#include "driver/ResultCodes.h"
#include "driver/TcpLink.h"

namespace kassio {

std::unique_ptr<Link> makeLink(const TKassio &k, int *errorCode, QString *detail)
{
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
        *errorCode = rc::PortUnavailable;
        *detail = QStringLiteral("последовательный порт %1 пока не поддерживается").arg(path);
        return nullptr;
    }
    case 6:
        return std::make_unique<TcpLink>(k.IPAddress, k.TCPPort,
                                         k.TCPConnectionTimeout > 0 ? k.TCPConnectionTimeout : 5000);
    default:
        *errorCode = rc::ConnectionTypeUnsupported;
        *detail = QString();
        return nullptr;
    }
}

} // namespace kassio
