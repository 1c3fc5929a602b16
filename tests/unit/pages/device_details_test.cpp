#include "pages/logic/device_details.h"

#include <gtest/gtest.h>

namespace tamberlyx {
namespace {

TEST(DeviceDetails, AddressRowNamesTheAddressingMode) {
  struct Case {
    const char* settings;
    const char* addressRow;
  };
  for (const Case c : {Case{"nwk.ipaddr=10.0.0.5&nwk.bootproto=dhcp", "10.0.0.5 (DHCP)"},
                       Case{"nwk.ipaddr=10.0.0.5&nwk.bootproto=none", "10.0.0.5 (Fixed)"},
                       Case{"nwk.ipaddr=10.0.0.5", "10.0.0.5 (Fixed)"},
                       Case{"nwk.ipaddr=10.0.0.5&nwk.bootproto=DHCP", "10.0.0.5 (Fixed)"},
                       Case{"nwk.ipaddr=10.0.0.5&nwk.bootproto=dhcp ", "10.0.0.5 (Fixed)"},
                       Case{"nwk.bootproto=dhcp", " (DHCP)"}, Case{"", " (Fixed)"}}) {
    EXPECT_EQ(DeviceDetailRows(c.settings)[1], c.addressRow) << c.settings;
  }
}

TEST(DeviceDetails, RowsInPageOrderAbsentKeysEmpty) {
  const auto rows = DeviceDetailRows(
      "nwk.mac=00:11&sys.dns=1.1.1.1&sys.hostname=nas&x.nwk.netmask=9&sys.gateway=&nwk.ipaddr=1");
  EXPECT_EQ(rows, (std::array<std::string, 6>{"nas", "1 (Fixed)", "", "", "1.1.1.1", "00:11"}));
}

}  // namespace
}  // namespace tamberlyx
