#pragma once
// The registration report: the registration parameters as text, shown before
// and after a registration and printed as a receipt for the OFD's account.

#include "wizard/shell/Controller.h"
#include "wizard/shell/Slip.h"

// Appends the report of `params`; resultLines adds the head with the
// registration document's data. Reason texts come from the reason codes
// dialog (none: empty texts).
void FillRegReport(TSlip &slip, bool resultLines, const TRegParams &params, const TReasonCodesSource *reasons);
// The same for the controller's record and dialog.
void FillRegReport(TSlip &slip, bool resultLines);

QString FFDName(int ffd);
