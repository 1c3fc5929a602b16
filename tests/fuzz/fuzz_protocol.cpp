// Feeds arbitrary datagrams through reply parsing, the device list and the settings operations,
// checking them against a plain model of the settings text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/constants.h"
#include "protocol/datagram.h"
#include "protocol/device_list.h"
#include "protocol/settings_text.h"

namespace {

using namespace tamberlyx;

void Check(bool condition) {
  if (!condition) std::abort();
}

std::vector<std::string_view> Split(std::string_view text) {
  std::vector<std::string_view> entries;
  std::size_t begin = 0;
  while (begin <= text.size()) {
    std::size_t end = text.find('&', begin);
    if (end == std::string_view::npos) end = text.size();
    entries.push_back(text.substr(begin, end - begin));
    begin = end + 1;
  }
  return entries;
}

// The value of the first entry named exactly `key`, nullopt when there is none.
std::optional<std::string_view> ModelValue(std::string_view text, std::string_view key) {
  for (std::string_view entry : Split(text)) {
    const std::size_t equals = entry.find('=');
    if (equals != std::string_view::npos && entry.substr(0, equals + 1) == std::string(key) + "=")
      return entry.substr(equals + 1);
  }
  return std::nullopt;
}

void CheckReply(std::string_view datagram, const ParsedDatagram& reply) {
  Check(datagram.size() <= kMaxDatagramLength);
  Check(reply.addressToken.size() <= kAddressFieldWidth);
  Check(reply.wordToken.size() <= kCommandFieldWidth);
  Check(reply.addressToken.find(' ') == std::string_view::npos);
  Check(reply.wordToken.find(' ') == std::string_view::npos);
  Check(reply.body.size() <= kMaxSettingsLength);
  Check(reply.body.find('\0') == std::string_view::npos);
}

void CheckDeviceList(std::string_view body) {
  DeviceList devices;
  Check(devices.AcceptGetReply(body, "192.0.2.1"));
  Check(!devices.AcceptGetReply("other", "192.0.2.1"));
  const DeviceRecord& record = devices.Records().front();
  Check(record.hostName.size() <= kMaxFieldLength);
  Check(record.settingsText == body);
  // A long name is cut between two characters, so it may lose up to three more bytes.
  const std::string hostName(ModelValue(body, "sys.hostname").value_or(""));
  Check(hostName.compare(0, record.hostName.size(), record.hostName) == 0);
  if (hostName.size() <= kMaxFieldLength) Check(record.hostName == hostName);
  Check(record.hostName.size() + 3 >= std::min(hostName.size(), kMaxFieldLength));
}

void CheckReplace(std::string_view body, std::string_view key) {
  const std::optional<std::string_view> value = ModelValue(body, key);
  Check(GetSettingValue(body, key) == value.value_or(""));
  Check(HasSettingKey(body, key) == value.has_value());
  const std::string original(body);

  std::string text = original;
  const std::string entry = std::string(key) + "=v";
  const bool replaced = ReplaceSettingEntry(text, key, entry);
  if (!value || !replaced) Check(text == original);
  if (!value) Check(!replaced);
  if (!replaced) return;
  Check(text.size() <= kMaxSettingsLength);
  Check(GetSettingValue(text, key) == "v");

  // The longest entry that still fits is taken; one character more is refused.
  const std::size_t room =
      kMaxSettingsLength - (original.size() - (key.size() + 1 + value->size()));
  if (room < key.size() + 1) return;
  std::string fits = original;
  Check(ReplaceSettingEntry(fits, key,
                            std::string(key) + "=" + std::string(room - key.size() - 1, 'x')));
  Check(fits.size() == kMaxSettingsLength);
  std::string tooLong = original;
  Check(!ReplaceSettingEntry(tooLong, key,
                             std::string(key) + "=" + std::string(room - key.size(), 'x')));
  Check(tooLong == original);
}

void CheckSettings(std::string_view body) {
  static const char* const kKnownKeys[] = {"sys.hostname", "nwk.ipaddr", "locale", "date"};
  for (const char* key : kKnownKeys) CheckReplace(body, key);
  int keys = 0;
  for (std::string_view entry : Split(body)) {
    const std::size_t equals = entry.find('=');
    if (equals == 0 || equals == std::string_view::npos || ++keys > 8) continue;
    CheckReplace(body, entry.substr(0, equals));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view datagram(reinterpret_cast<const char*>(data), size);
  const std::optional<ParsedDatagram> reply = ParseDatagram(datagram);
  Check(reply.has_value() == (size <= kMaxDatagramLength));
  if (!reply) return 0;
  CheckReply(datagram, *reply);
  CheckDeviceList(reply->body);
  CheckSettings(reply->body);
  return 0;
}
