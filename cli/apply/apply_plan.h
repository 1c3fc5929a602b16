#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/apply_file/apply_file.h"
#include "operations/address_review.h"
#include "operations/follow_target.h"
#include "protocol/device_list.h"
#include "protocol/shared_buffers.h"

namespace tamberlyx::cli {

enum class ApplyResult { kChanged, kUnchanged, kFailed };

struct SettingChange {
  std::string key;
  std::string oldValue;
  std::string newValue;
};

// What the run does with one device of the file, and in the end what came of it.
struct PlannedDevice {
  const FileDevice* file = nullptr;
  ApplyResult result = ApplyResult::kFailed;  // the plan says kChanged for "to change"
  std::string error;
  std::string mac;      // as the device reports it; see ReportedMac
  std::string address;  // where it answered the first search; empty when not found
  std::string nowAt;    // where it answered last
  std::vector<SettingChange> changes;
  // Selected, with the file's entries in newSettings; only for a device found, as a large file's
  // devices mostly are not.
  std::unique_ptr<SharedBuffers> buffers;
  AddressReview review;               // of the fixed address the new settings give, once checked
  bool addressHeld = false;           // failed for what the review found
  std::optional<std::size_t> holder;  // the device of the run leaving the address this one takes
};

struct Plan {
  std::vector<PlannedDevice> devices;  // in file order
  std::vector<FileError> refusals;     // entries no device may take; nothing is sent then
  std::vector<std::size_t> saveOrder;  // the devices to change, each after its holder
};

// Matches each device of the file against what answered the search and works out the entries
// that differ. A device is found by MAC (any case), by the address it answered from, or by its
// full server name; several answers for one name, or two devices of the file that are one,
// fail it. Fixed addresses are ordered as the file's are (see MoveRefusals), now with where each
// device answered.
Plan MakePlan(const ApplyFile& file, const std::vector<DeviceRecord>& records, bool korean);

// Fails each device whose review found a problem with its new address, and each that would take
// the address of one failed.
void HoldBackAddresses(Plan& plan);

// Fails `device`, which would take the address `holder` has not left.
void FailBehind(PlannedDevice& device, const PlannedDevice& holder);

// The devices the search before the plan waits for: every device of the file when each is named
// by MAC or by address. A name may be answered by two devices, so one device named so makes the
// search wait its whole window (nothing awaited).
std::vector<FollowTarget> SearchAwaits(const ApplyFile& file);

// The MAC as the device reports it, else as the file names it; empty when neither does.
const std::string& ReportedMac(const PlannedDevice& device);

// "- KEY=OLD" / "+ KEY=NEW" lines under a line for each device, then "! FINDING" lines.
std::string FormatPlan(const Plan& plan);

}  // namespace tamberlyx::cli
