#pragma once
// The test bench's form of the reason codes dialog: captions in the user
// interface's language, control states restored from the test bench's
// settings under the form's name and saved there when the form is destroyed.

#include "common/ReasonCodesDialog.h"

#include <memory>

std::unique_ptr<TfmReasonCodes> NewTestBenchReasonCodes();
