#pragma once
// The wizard's reason codes: the program's one dialog (common/) as the
// controller's source of reasons.

#include "wizard/shell/Controller.h"

class TWizardReasonCodes : public TReasonCodesSource
{
public:
    bool Execute(quint32 &codes) override;
    QString ReasonText(int bit) const override;
};
