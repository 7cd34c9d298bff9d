// Test helper: prints COUNT lines "PREFIX-N" through the built-in emulator
// (the state file comes from KASSIO_EMULATOR_STATE). Exit 0 when every line
// was printed.
#include "driver/Kassio.h"
#include "driver/PortMap.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fputs("usage: kassio_print_lines PREFIX COUNT\n", stderr);
        return 2;
    }
    TKassio k;
    k.ConnectionType = 0;
    k.ComNumber = kassio::PortMap::BuiltInEmulatorCom;
    const int count = args[2].toInt();
    for (int i = 1; i <= count; ++i) {
        k.StringForPrinting = QStringLiteral("%1-%2").arg(args[1]).arg(i);
        if (k.PrintString() != 0) {
            std::fprintf(stderr, "line %d: %d %s\n", i, k.ResultCode, qPrintable(k.ResultCodeDescription));
            return 1;
        }
    }
    return 0;
}
