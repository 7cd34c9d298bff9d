// Taxomat: the fiscalization wizard.

#include "wizard/shell/MainForm.h"
#include "wizard/shell/WizardErrors.h"

#include <QApplication>

namespace {

// Last line of defence: an error that slipped past a page's guard is shown
// instead of ending the program.
class TApplication : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        bool result = false;
        WizardGuarded(nullptr, [&] { result = QApplication::notify(receiver, event); });
        return result;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Taxomat"));
    QApplication::setApplicationVersion(QStringLiteral(KASSIO_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Veltra"));
    TfmMain window;
    // The reason codes dialog joins here (Controller().SetReasonCodes) when
    // it lands in common/.
    window.show();
    return app.exec();
}
