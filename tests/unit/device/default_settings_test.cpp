#include "device/default_settings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <regex>

#include "device/settings_check.h"
#include "protocol/settings_text.h"

namespace tamberlyx::device {
namespace {

class DefaultSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* tz = std::getenv("TZ");
    m_savedTz = tz ? std::optional<std::string>(tz) : std::nullopt;
    setenv("TZ", "UTC", 1);
    tzset();
  }
  void TearDown() override {
    if (m_savedTz) {
      setenv("TZ", m_savedTz->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }

  // 2008-04-11 09:05:07 UTC.
  static std::chrono::system_clock::time_point Moment() {
    return std::chrono::system_clock::from_time_t(1207904707);
  }

 private:
  std::optional<std::string> m_savedTz;
};

TEST_F(DefaultSettingsTest, HoldsEveryKeyTheWizardReadsWithUsableValues) {
  const std::string text = DefaultSettings("NAS-1", "192.0.2.10", Moment());
  const std::pair<const char*, const char*> expected[] = {
      {"sys.hostname", "NAS-1"},
      {"nwk.wireless.ssid", "NAS-1"},
      {"nwk.bootproto", "none"},
      {"nwk.ipaddr", "192.0.2.10"},
      {"nwk.netmask", "255.255.255.0"},
      {"sys.gateway", "192.0.2.1"},
      {"sys.dns", "192.0.2.1"},
      {"nwk.mac", "02:4c:c0:00:02:0a"},
      {"sys.Time.timeZone", "Seoul"},
      {"date", "2008/04/11"},
      {"time", "09:05:07"},
      {"sys.Time.ntpServerList", "pool.ntp.org,time.nist.gov"},
      {"sys.Time.ntpServer", "none"},
      {"locale", "en"},
  };
  for (const auto& [key, value] : expected) {
    EXPECT_TRUE(HasSettingKey(text, key)) << key;
    EXPECT_EQ(GetSettingValue(text, key), value) << key;
  }
  EXPECT_FALSE(HasSettingKey(text, "passwd"));
}

TEST_F(DefaultSettingsTest, CarriesKeysOnlyTheDeviceUses) {
  const std::string text = DefaultSettings("NAS", "192.0.2.10", Moment());
  for (const char* key : {"sys.model", "sys.fwversion", "nwk.mtu", "smb.enable", "smb.workgroup"}) {
    EXPECT_TRUE(HasSettingKey(text, key)) << key;
  }
}

TEST_F(DefaultSettingsTest, StaysAStorableTextForTheLongestNameAndAddress) {
  const std::string text = DefaultSettings(std::string(63, 'N'), "255.255.255.254", Moment());
  EXPECT_TRUE(IsAcceptableSettings(text));
  EXPECT_LT(text.size(), 700u);
}

TEST_F(DefaultSettingsTest, KeepsSeparatorsOutOfTheName) {
  const std::string text = DefaultSettings("A&B", "192.0.2.10", Moment());
  EXPECT_EQ(GetSettingValue(text, "sys.hostname"), "AB");
  EXPECT_TRUE(IsAcceptableSettings(text));
}

TEST_F(DefaultSettingsTest, GatewayAvoidsTheDeviceItself) {
  EXPECT_EQ(GetSettingValue(DefaultSettings("N", "192.0.2.1", Moment()), "sys.gateway"),
            "192.0.2.254");
  EXPECT_EQ(GetSettingValue(DefaultSettings("N", "", Moment()), "sys.gateway"), "");
}

TEST(StableMacAddress, IsLocallyAdministeredUnicastAndDistinctPerAddress) {
  const std::regex format("02:4c(:[0-9a-f]{2}){4}");
  for (const char* address : {"10.0.0.1", "10.0.0.2", "", "not an address"}) {
    const std::string mac = StableMacAddress(address);
    EXPECT_TRUE(std::regex_match(mac, format)) << mac;
    EXPECT_EQ(mac, StableMacAddress(address));
  }
  EXPECT_NE(StableMacAddress("10.0.0.1"), StableMacAddress("10.0.0.2"));
}

}  // namespace
}  // namespace tamberlyx::device
