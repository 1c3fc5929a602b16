#include "pages/logic/device_details.h"

#include <gtest/gtest.h>

namespace tamberlyx {
namespace {

TEST(DeviceDetails, OnlyExactlyDhcpReadsAsDhcp) {
  struct Case {
    const char* settings;
    const char* addressRow;
  };
  for (const Case c : {Case{"nwk.ipaddr=10.0.0.5&nwk.bootproto=dhcp", "10.0.0.5 (DHCP)"},
                       Case{"nwk.ipaddr=10.0.0.5&nwk.bootproto=DHCP", "10.0.0.5 (Fixed)"},
                       Case{"nwk.ipaddr=10.0.0.5", "10.0.0.5 (Fixed)"},
                       Case{"nwk.bootproto=dhcp", " (DHCP)"}, Case{"", " (Fixed)"}}) {
    EXPECT_EQ(DeviceDetailRows(c.settings)[1], c.addressRow) << c.settings;
  }
}

}  // namespace
}  // namespace tamberlyx
