#pragma once
// The registration data functions (INN check, OFD templates, X5 files) fail
// with the wizard's own error: its Russian message reaches the shell, which
// shows it and keeps the page.

#include "wizard/shell/WizardErrors.h"

using ERegDataError = EWizardError;
