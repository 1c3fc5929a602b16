#pragma once

#include <string>

#include "cli/apply/apply_plan.h"

namespace tamberlyx::cli {

// "changed", "unchanged" or "failed: REASON".
std::string ResultText(const PlannedDevice& device);

// DEVICE (as the file names it), ADDRESS (where it answered the first search), RESULT, NOW AT.
std::string ReportTable(const Plan& plan);

// [{"device", "mac", "address", "result", "changes": [{"key", "old", "new"}], "now_at", "error",
// "address_findings": [see FindingsJson]}, ...]; what is unknown is null. No password ever
// appears.
std::string ReportJson(const Plan& plan);

bool AnyFailed(const Plan& plan);

// 0 when no device failed, 3 when only address checks held devices back, else 1.
int ExitStatus(const Plan& plan);

}  // namespace tamberlyx::cli
