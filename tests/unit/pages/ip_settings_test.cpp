#include "pages/logic/ip_settings.h"

#include <gtest/gtest.h>

#include <random>

namespace tamberlyx {
namespace {

TEST(IpSettings, DottedValuesReadAsTheirLowEightBits) {
  struct Case {
    std::string text;
    DottedAddress address;
  };
  const Case cases[] = {
      {"192.168.1.20", {{192, 168, 1, 20}, 4}},
      {"10.0.0.300", {{10, 0, 0, 44}, 4}},
      {"999.1.1.1", {{231, 1, 1, 1}, 4}},
      {"1.2.3", {{1, 2, 3, 0}, 3}},
      {"..1...2..", {{1, 2, 0, 0}, 2}},
      {"...", {{}, 0}},
      {"1.2.3.4.5", {{1, 2, 3, 4}, 4}},
      {" 7x.+8.-1.abc", {{7, 8, 255, 0}, 4}},
      {"99999999999.256.-256.-257", {{255, 0, 0, 255}, 4}},
      {"\xff\xfe.12\xe9.3", {{0, 12, 3, 0}, 3}},
      {std::string(990, '9') + "8.1", {{254, 1, 0, 0}, 2}},  // no overflow however long
  };
  for (const Case& c : cases) EXPECT_EQ(ParseDottedAddress(c.text), c.address) << c.text;
}

// Whatever a device reports, writing back what the page read rewrites only the page's own
// entries, in place, and adds none.
TEST(IpSettings, RandomSettingsKeepEveryOtherEntry) {
  const std::string keys[] = {
      "sys.hostname", "nwk.wireless.ssid", "nwk.bootproto", "nwk.ipaddr", "nwk.netmask",
      "x.nwk.ipaddr", "sys.gateway",       "sys.dns",       "date",       "nwk.mac"};
  const std::string alphabet = "0123456789....-+ aZ=\x01\x7f\xe9\xff";
  std::mt19937 random(11);
  for (int round = 0; round < 500; ++round) {
    std::string text;
    std::vector<std::pair<std::string, std::string>> entries;
    for (const std::string& key : keys) {
      if (random() % 3 == 0) continue;
      std::string value(random() % (random() % 8 == 0 ? 60 : 16), ' ');
      for (char& c : value) c = alphabet[random() % alphabet.size()];
      if (random() % 4 == 0) value = random() % 2 ? "dhcp" : "";
      text += (text.empty() ? "" : "&") + key + "=" + value;
      entries.emplace_back(key, value);
    }
    const IpSettingsView view = ReadIpSettingsView(text);
    IpSettingsChoice choice{view.name, !view.dhcp, {}};
    for (std::size_t i = 0; i < kAddressFieldCount; ++i) {
      if (view.addresses[i]) choice.addresses[i] = view.addresses[i]->octets;
    }
    std::string written = text;
    WriteIpSettingsChoice(written, choice);

    std::string expected;
    for (const auto& [key, value] : entries) {
      std::string now = value;
      if (key == "nwk.wireless.ssid") now = view.name;
      if (key == "nwk.bootproto") now = view.dhcp ? "dhcp" : "none";
      for (std::size_t i = 0; i < kAddressFieldCount && !view.dhcp; ++i) {
        if (key == kAddressKeys[i]) now = FormatAddressValue(choice.addresses[i]);
      }
      expected += (expected.empty() ? "" : "&") + key + "=" + now;
    }
    EXPECT_EQ(written, expected) << text;
  }
}

}  // namespace
}  // namespace tamberlyx
