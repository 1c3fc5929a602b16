#include "cli/apply/apply_report.h"

#include <algorithm>

#include "cli/exit_codes.h"
#include "cli/output/address_findings.h"
#include "cli/output/device_table.h"
#include "cli/output/json_text.h"
#include "cli/output/printable_text.h"

namespace tamberlyx::cli {
namespace {

const char* ResultWord(ApplyResult result) {
  switch (result) {
    case ApplyResult::kChanged:
      return "changed";
    case ApplyResult::kUnchanged:
      return "unchanged";
    case ApplyResult::kFailed:
      break;
  }
  return "failed";
}

std::string OrDash(const std::string& text) {
  return text.empty() ? "-" : PrintableText(text);
}

JsonValue OrNull(const std::string& text) {
  return text.empty() ? JsonValue() : JsonText(text);
}

JsonValue Changes(const PlannedDevice& device) {
  JsonValue changes = JsonValue::array();
  for (const SettingChange& change : device.changes) {
    changes.push_back({{"key", JsonText(change.key)},
                       {"old", JsonText(change.oldValue)},
                       {"new", JsonText(change.newValue)}});
  }
  return changes;
}

JsonValue Findings(const PlannedDevice& device) {
  if (!device.review.plan) return JsonValue::array();
  return FindingsJson(device.review.findings, *device.review.plan);
}

}  // namespace

std::string ResultText(const PlannedDevice& device) {
  std::string text = ResultWord(device.result);
  if (device.result == ApplyResult::kFailed) text += ": " + device.error;
  return text;
}

std::string ReportTable(const Plan& plan) {
  return FormatTable(plan.devices.size() + 1, [&](std::size_t index) -> TableRow {
    if (index == 0) return {"DEVICE", "ADDRESS", "RESULT", "NOW AT"};
    const PlannedDevice& device = plan.devices[index - 1];
    return {PrintableText(device.file->identifier), OrDash(device.address),
            PrintableText(ResultText(device)), OrDash(device.nowAt)};
  });
}

std::string ReportJson(const Plan& plan) {
  std::vector<JsonValue> elements;
  for (const PlannedDevice& device : plan.devices) {
    // "device" names the file's entry, so one that was never found can still be told apart.
    elements.push_back({{"device", JsonText(DeviceLabel(*device.file))},
                        {"mac", OrNull(ReportedMac(device))},
                        {"address", OrNull(device.address)},
                        {"result", ResultWord(device.result)},
                        {"changes", Changes(device)},
                        {"now_at", OrNull(device.nowAt)},
                        {"error", OrNull(device.error)},
                        {"address_findings", Findings(device)}});
  }
  return JsonLines(elements);
}

bool AnyFailed(const Plan& plan) {
  return std::ranges::any_of(plan.devices, [](const PlannedDevice& device) {
    return device.result == ApplyResult::kFailed;
  });
}

int ExitStatus(const Plan& plan) {
  bool held = false;
  for (const PlannedDevice& device : plan.devices) {
    if (device.result != ApplyResult::kFailed) continue;
    if (!device.addressHeld) return kExitFailed;
    held = true;
  }
  return held ? kExitAddressRefused : kExitOk;
}

}  // namespace tamberlyx::cli
