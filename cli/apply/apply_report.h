#pragma once

#include <string>

#include "cli/apply/apply_plan.h"

namespace tamberlyx::cli {

// "changed", "unchanged" or "failed: REASON".
std::string ResultText(const PlannedDevice& device);

// DEVICE (as the file names it), ADDRESS (where it answered the first search), RESULT, NOW AT.
std::string ReportTable(const Plan& plan);

// [{"mac", "address", "result", "changes": [{"key", "old", "new"}], "now_at", "error"}, ...];
// what is unknown is null. No password ever appears.
std::string ReportJson(const Plan& plan);

bool AnyFailed(const Plan& plan);

}  // namespace tamberlyx::cli
