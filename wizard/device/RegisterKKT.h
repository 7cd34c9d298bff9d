#pragma once
// The registration sequence: writes the registration data into the device
// tables and builds the registration (or re-registration) report in the FN
// with its tags. Raises EWizardError on the first failing step; once the FN
// document is begun, a failure cancels it first.

#include "wizard/shell/RegParams.h"

void RegisterKKT(const TRegParams &params);

// ReportTypeInt of the registration: 0 new, 1 re-registration with a new
// FN, 2 re-registration.
int RegistrationReportType(const TRegParams &params);
