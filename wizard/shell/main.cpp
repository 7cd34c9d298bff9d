// Taxomat: the fiscalization wizard.

#include "common/GuardedApplication.h"
#include "common/ReasonCodesDialog.h"
#include "wizard/shell/Controller.h"
#include "wizard/shell/MainForm.h"
#include "wizard/shell/ReasonCodes.h"
#include "wizard/shell/WizardErrors.h"

#include <memory>

int main(int argc, char *argv[])
{
    TGuardedApplication app(argc, argv, [](const auto &body) { WizardGuarded(nullptr, body); });
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
