// Taxomat: the fiscalization wizard.

#include "common/ReasonCodesDialog.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/MainForm.h"
#include "wizard/shell/ReasonCodes.h"
#include "wizard/shell/WizardErrors.h"

#include <QApplication>

#include <memory>

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
    // One reason codes dialog for the whole run, in its wizard form.
    TReasonCodesInstance reasonCodesDialog(std::make_unique<TfmReasonCodes>());
    TWizardReasonCodes reasonCodes;
    Controller().SetReasonCodes(&reasonCodes);
    window.show();
    return app.exec();
}
