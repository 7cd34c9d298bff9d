// KassioTest: the driver test bench.

#include "common/GuardedApplication.h"
#include "common/ReasonCodesTestBench.h"
#include "testbench/shell/HandlerGuard.h"
#include "testbench/shell/MainForm.h"

int main(int argc, char *argv[])
{
    TGuardedApplication app(argc, argv, [](const auto &body) { Guarded(nullptr, body); });
    QApplication::setApplicationName(QStringLiteral("KassioTest"));
    QApplication::setApplicationVersion(QStringLiteral(KASSIO_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Orvan"));
    TfmMain window;
    // Modal dialogs that live for the whole run; pages reach this one
    // through ReasonCodes().
    TReasonCodesInstance reasonCodes(NewTestBenchReasonCodes());
    window.show();
    return app.exec();
}
