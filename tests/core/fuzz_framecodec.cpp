// Feeds arbitrary bytes to the register's end of a link and to the reply
// decoder: neither may crash, hang or read out of bounds.
#include "driver/FrameCodec.h"
#include "emulator/DeviceEndpoint.h"

#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir dir;
    static auto reg = emu::EmulatedRegister::shared(dir.filePath(QStringLiteral("fuzz.db")));
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    emu::DeviceEndpoint endpoint(reg);
    // Split the input in two to exercise frames arriving in pieces.
    endpoint.receive(bytes.left(bytes.size() / 2));
    endpoint.receive(bytes.mid(bytes.size() / 2));

    kassio::decodeReply(bytes);
    const kassio::FrameScan scan = kassio::scanFrame(bytes);
    if (scan.status == kassio::FrameStatus::Complete)
        kassio::decodeReply(scan.payload);
    return 0;
}
