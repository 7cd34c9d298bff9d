// KassioTest: the driver test bench.

#include "common/ReasonCodesTestBench.h"
#include "testbench/shell/HandlerGuard.h"
#include "testbench/shell/MainForm.h"

#include <QApplication>

namespace {

// Last line of defence: an error that slipped past a handler's guard is
// shown instead of ending the program.
class TApplication : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        bool result = false;
        Guarded(nullptr, [&] { result = QApplication::notify(receiver, event); });
        return result;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
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
