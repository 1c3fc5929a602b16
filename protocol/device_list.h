#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace tamberlyx {

// One device that answered the current search.
struct DeviceRecord {
  std::string hostName;  // sys.hostname of the reply, cut to 19 bytes, at a character boundary, for
                         // the list line
  std::string settingsText;  // the reply body as received
  std::string address;       // UDP source address of the reply, not taken from the body
};

// The devices of one search in arrival order, at most one record per source address.
class DeviceList {
 public:
  bool ContainsAddress(std::string_view address) const;
  void AppendDevice(std::string_view body, std::string_view address);
  // The first reply from each address wins; returns whether the reply made a record.
  bool AcceptGetReply(std::string_view body, std::string_view address);
  void FreeDeviceList();
  // Makes record `index` the cursor (0 or less stays at the first record) and copies it out.
  // Callers pass indexes of existing records only; an empty list leaves the outputs untouched.
  void SelectDevice(int index, std::string& settingsText, std::string& address);

  const std::vector<DeviceRecord>& Records() const { return m_records; }
  // The record last selected, or nullptr.
  const DeviceRecord* Cursor() const;
  bool Empty() const { return m_records.empty(); }
  std::size_t Size() const { return m_records.size(); }

 private:
  std::vector<DeviceRecord> m_records;
  std::unordered_set<std::string> m_addresses;  // keeps a search of many devices linear
  std::size_t m_cursor = 0;
};

}  // namespace tamberlyx
