#include "driver/PropertiesDialog.h"

#include "driver/Kassio.h"
#include "driver/PropertiesDialogForm.h"
#include "driver/ResultCodes.h"

#include <QApplication>
#include <QThread>

namespace kassio {

int showPropertiesDialog(TKassio &driver)
{
    // A console program, or a worker thread, cannot own widgets.
    const auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!app || QThread::currentThread() != app->thread())
        return rc::NoUserInterface;
    TfmProperties dialog(driver, QApplication::activeWindow());
    dialog.exec();
    return rc::Ok;
}

} // namespace kassio
