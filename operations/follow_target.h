#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "protocol/device_list.h"
#include "protocol/shared_buffers.h"

namespace tamberlyx {

// A device to be found again in a search: by its hardware address when it reports one, else at
// one of the addresses it may answer from.
struct FollowTarget {
  std::string mac;                     // its nwk.mac, any case; empty: by address
  std::vector<std::string> addresses;  // where it may answer when it reports no MAC
  std::string movedTo;                 // a new fixed address: it must answer from there
};

// The device selected into `buffers`, after its save of `newSettings`: by the MAC it reported,
// else at its old address or the fixed one it was given, where it must then answer.
FollowTarget TargetAfterSave(const SharedBuffers& buffers);

// Whether `record` (the target's, as found) answered where the target must answer: anywhere,
// unless it was given a new fixed address. Until then it has not restarted there.
bool AnswersWhereExpected(const FollowTarget& target, const DeviceRecord& record);

// A hardware address as compared: in lower case, as devices may write it either way.
std::string MacKey(std::string_view mac);

// The keys a target is found by and those a record is known by: a record is the target's when
// they share one. Several records may share a key; the first of a search is the one.
std::vector<std::string> TargetKeys(const FollowTarget& target);
std::vector<std::string> RecordKeys(const DeviceRecord& record);

// The key of a device known by its MAC, and of one known by an address it answers from.
std::string KeyOfMac(std::string_view mac);
std::string KeyOfAddress(std::string_view address);

}  // namespace tamberlyx
