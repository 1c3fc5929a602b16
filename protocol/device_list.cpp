#include "protocol/device_list.h"

#include <algorithm>

#include "protocol/constants.h"
#include "protocol/settings_keys.h"
#include "protocol/settings_text.h"
#include "protocol/utf8.h"

namespace tamberlyx {

bool DeviceList::ContainsAddress(std::string_view address) const {
  return m_addresses.contains(std::string(address));
}

void DeviceList::AppendDevice(std::string_view body, std::string_view address) {
  DeviceRecord record;
  // Never half a character: a cut inside one would end the list line in a broken byte.
  record.hostName =
      std::string(CutAtCharacter(GetSettingValue(body, kKeyHostName), kMaxFieldLength));
  record.settingsText = std::string(body);
  record.address = std::string(address);
  m_addresses.insert(record.address);
  m_records.push_back(std::move(record));
}

bool DeviceList::AcceptGetReply(std::string_view body, std::string_view address) {
  if (ContainsAddress(address)) return false;
  AppendDevice(body, address);
  return true;
}

void DeviceList::FreeDeviceList() {
  m_records.clear();
  m_addresses.clear();
  m_cursor = 0;
}

void DeviceList::SelectDevice(int index, std::string& settingsText, std::string& address) {
  if (m_records.empty()) return;
  m_cursor = std::min(static_cast<std::size_t>(std::max(index, 0)), m_records.size() - 1);
  settingsText = m_records[m_cursor].settingsText;
  address = m_records[m_cursor].address;
}

const DeviceRecord* DeviceList::Cursor() const {
  return m_records.empty() ? nullptr : &m_records[m_cursor];
}

}  // namespace tamberlyx
