#include "common/ReasonCodesTestBench.h"

#include "testbench/shell/Language.h"
#include "testbench/shell/SettingsWalker.h"

#include <QSettings>

std::unique_ptr<TfmReasonCodes> NewTestBenchReasonCodes()
{
    BindCatalogue();
    TfmReasonCodes::TTestBenchForm form;
    form.Restore = [](QWidget &dialog) {
        const auto key = OpenParamKey();
        LoadControlParams(dialog.objectName(), &dialog, *key);
    };
    form.Save = [](QWidget &dialog) {
        const auto key = OpenParamKey();
        if (!key->isWritable())
            return;
        SaveControlParams(dialog.objectName(), &dialog, *key);
        key->sync();
    };
    return std::make_unique<TfmReasonCodes>(std::move(form));
}
