#include "wizard/shell/ReasonCodes.h"

#include "common/ReasonCodesDialog.h"

bool TWizardReasonCodes::Execute(quint32 &codes)
{
    TfmReasonCodes *dialog = ReasonCodes();
    if (!dialog)
        return false;
    const auto chosen = dialog->Choose(codes);
    if (chosen)
        codes = *chosen;
    return chosen.has_value();
}

QString TWizardReasonCodes::ReasonText(int bit) const
{
    return ReasonCodeText(bit);
}
