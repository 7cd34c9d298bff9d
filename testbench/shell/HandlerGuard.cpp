#include "testbench/shell/HandlerGuard.h"

#include "driver/Driver.h"
#include "driver/Helpers.h"
#include "testbench/shell/MessageBoxes.h"
#include "testbench/shell/Translation.h"

#include <exception>

void Guarded(QWidget *parent, const std::function<void()> &handler) noexcept
{
    // Showing the box may itself fail (no memory, a throwing responder);
    // that must not escape either.
    try {
        try {
            handler();
        } catch (const EAbort &) {
        } catch (const EKassioError &e) {
            ShowErrorMessage(parent, e.message());
        } catch (const std::exception &e) {
            ShowErrorMessage(parent, QString::fromUtf8(e.what()));
        } catch (...) {
            ShowErrorMessage(parent, KassioTest::tr("Неизвестная ошибка"));
        }
    } catch (...) {
    }
}
