#include "pages/logic/device_check.h"

#include <gtest/gtest.h>

#include "pages/logic/device_selection.h"

namespace tamberlyx {
namespace {

const DeviceIdentity kA{"10.0.0.5", "00:11:22:33:44:55"};
const DeviceIdentity kAMoved{"10.0.0.9", "00:11:22:33:44:55"};
const DeviceIdentity kB{"10.0.0.6", "00:11:22:33:44:66"};
const DeviceIdentity kBAtA{"10.0.0.5", "00:11:22:33:44:66"};  // another device, A's old address
const DeviceIdentity kNoMac{"10.0.0.7", ""};

struct CheckCase {
  const char* what;
  DeviceRead shown;
  DeviceRead now;
  std::optional<DeviceIdentity> verified;
  DeviceCheck expected;
};

TEST(DeviceCheckTest, TheHardwareAddressDecidesWhichDeviceAWindowShows) {
  const CheckCase cases[] = {
      {"unchanged", {kA, 1}, {kA, 1}, kA, DeviceCheck::kSame},
      {"no MAC, unchanged", {kNoMac, 1}, {kNoMac, 1}, kNoMac, DeviceCheck::kSame},
      {"searched again", {kA, 1}, {kA, 2}, kA, DeviceCheck::kReadAgain},
      {"checked again at its new address", {kA, 1}, {kAMoved, 2}, kAMoved, DeviceCheck::kReadAgain},
      {"found at another address", {kA, 1}, {kAMoved, 2}, kA, DeviceCheck::kMoved},
      {"another device selected", {kA, 1}, {kB, 2}, kA, DeviceCheck::kOther},
      {"another device verified since", {kA, 1}, {kB, 2}, kB, DeviceCheck::kOther},
      {"another device at the same address", {kA, 1}, {kBAtA, 2}, kBAtA, DeviceCheck::kOther},
      {"no MAC at another address",
       {kNoMac, 1},
       {{"10.0.0.8", ""}, 2},
       kNoMac,
       DeviceCheck::kOther},
      {"nothing verified", {kA, 1}, {kA, 1}, std::nullopt, DeviceCheck::kOther},
  };
  for (const CheckCase& c : cases) {
    EXPECT_EQ(CheckShownDevice(c.shown, c.now, c.verified), c.expected) << c.what;
  }
}

// Measured: the identity included the settings text, so a device's running clock made the
// same device another one with every search.
TEST(DeviceCheckTest, EachSelectionIsANewReadOfTheSameDevice) {
  DeviceSelection selection;
  const std::string mac = "&nwk.mac=00:11:22:33:44:55";
  selection.Devices().AppendDevice("date=2008/04/11&time=09:05:00" + mac, "10.0.0.5");
  selection.Select(0);
  const DeviceRead first = selection.Current();
  selection.SetVerifiedDevice(first.device);
  selection.Devices().FreeDeviceList();
  selection.Devices().AppendDevice("date=2008/04/11&time=09:05:07" + mac, "10.0.0.5");
  selection.Select(0);

  EXPECT_EQ(selection.Current().device, kA);
  EXPECT_EQ(selection.Check(first), DeviceCheck::kReadAgain);
  EXPECT_EQ(selection.Check(selection.Current()), DeviceCheck::kSame);
  selection.Devices().FreeDeviceList();
  selection.Select(0);  // nothing found: the buffers and the read stay
  EXPECT_EQ(selection.Check(first), DeviceCheck::kReadAgain);
}

}  // namespace
}  // namespace tamberlyx
