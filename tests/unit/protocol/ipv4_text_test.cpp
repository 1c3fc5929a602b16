#include "protocol/ipv4_text.h"

#include <gtest/gtest.h>

namespace tamberlyx {
namespace {

TEST(Ipv4Text, ParsesStrictDottedDecimalOnly) {
  EXPECT_EQ(ParseIpv4("10.0.1.254"), 0x0A0001FEu);
  EXPECT_EQ(ParseIpv4("255.255.255.255"), 0xFFFFFFFFu);
  for (const char* bad : {"", "10.0.0", "10.0.0.1.", "10.0.0.256", "1.2.3.4 ", "a.b.c.d",
                          "-1.0.0.0", "1..2.3", "0001.2.3.4", "01.2.3.4", "10.00.0.1"}) {
    EXPECT_FALSE(ParseIpv4(bad)) << bad;
  }
  EXPECT_EQ(FormatIpv4(0xC000020A), "192.0.2.10");
}

}  // namespace
}  // namespace tamberlyx
