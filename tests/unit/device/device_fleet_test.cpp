#include "device/device_fleet.h"

#include <gtest/gtest.h>

#include "protocol/settings_text.h"

namespace tamberlyx::device {
namespace {

constexpr std::uint32_t kOwn = 0x0A000002;  // 10.0.0.2

TEST(DeviceFleet, SingleDeviceStandsAtTheOwnAddressUnderItsName) {
  ProgramOptions options;
  options.device.name = "NAS";
  const auto fleet = MakeFleet(options, kOwn);
  ASSERT_EQ(fleet.size(), 1u);
  EXPECT_EQ(fleet[0].address, kOwn);
  EXPECT_EQ(fleet[0].peer.Name(), "NAS");
  EXPECT_EQ(GetSettingValue(fleet[0].peer.Settings(), "nwk.ipaddr"), "10.0.0.2");
}

TEST(DeviceFleet, NumbersDevicesAndCountsAddressesAcrossOctets) {
  ProgramOptions options;
  options.device.name = "LAB";
  options.count = 3;
  options.firstAddress = 0x0A0001FE;  // 10.0.1.254
  const auto fleet = MakeFleet(options, kOwn);
  ASSERT_EQ(fleet.size(), 3u);
  const char* names[] = {"LAB-1", "LAB-2", "LAB-3"};
  const char* addresses[] = {"10.0.1.254", "10.0.1.255", "10.0.2.0"};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(fleet[i].address, 0x0A0001FEu + i);
    EXPECT_EQ(fleet[i].peer.Name(), names[i]);
    EXPECT_EQ(fleet[i].peer.Address(), addresses[i]);
    EXPECT_EQ(GetSettingValue(fleet[i].peer.Settings(), "nwk.ipaddr"), addresses[i]);
  }
}

TEST(DeviceFleet, GivenSettingsAreKeptForOneDeviceAndPersonalisedForMany) {
  ProgramOptions options;
  options.device.name = "LAB";
  options.device.settings = "sys.hostname=FILE&nwk.ipaddr=192.0.2.9&x=1";
  EXPECT_EQ(MakeFleet(options, kOwn)[0].peer.Settings(), options.device.settings);
  options.count = 2;
  options.firstAddress = kOwn;
  EXPECT_EQ(MakeFleet(options, kOwn)[1].peer.Settings(),
            "sys.hostname=LAB-2&nwk.ipaddr=10.0.0.3&x=1");
}

}  // namespace
}  // namespace tamberlyx::device
