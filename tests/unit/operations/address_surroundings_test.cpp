#include "operations/address_surroundings.h"

#include <gtest/gtest.h>

#include "operations/address_finding_text.h"
#include "protocol/interface_network.h"
#include "protocol/ipv4_text.h"

namespace tamberlyx {
namespace {

struct PlanCase {
  const char* settings;
  std::optional<FixedAddressPlan> expected;
};

TEST(FixedAddressInTest, ReadsTheFixedAddressOnly) {
  const PlanCase cases[] = {
      {"nwk.bootproto=dhcp&nwk.ipaddr=10.0.0.5&nwk.netmask=255.0.0.0", std::nullopt},
      {"nwk.bootproto=static&nwk.ipaddr=&nwk.netmask=255.0.0.0", std::nullopt},
      {"nwk.bootproto=static&nwk.ipaddr=10.0.0.5&nwk.netmask=255.0.0.0&sys.gateway=10.0.0.1",
       FixedAddressPlan{0x0A000005, 0xFF000000, 0x0A000001}},
      {"nwk.ipaddr=10.0.0.5&nwk.netmask=junk&sys.gateway=", FixedAddressPlan{0x0A000005, 0, {}}},
  };
  for (const PlanCase& c : cases) {
    const std::optional<FixedAddressPlan> plan = FixedAddressIn(c.settings);
    EXPECT_EQ(plan.has_value(), c.expected.has_value()) << c.settings;
    if (plan && c.expected) {
      EXPECT_TRUE(*plan == *c.expected) << c.settings;
    }
  }
}

class TwoInterfaces : public InterfaceNetwork {
 public:
  std::vector<LocalInterface> BroadcastInterfaces() override {
    return {{"eth0", "192.168.1.2", "255.255.255.0"}, {"eth1", "10.77.0.1", "255.255.255.0"}};
  }
  bool SendVia(const LocalInterface&, std::string_view, std::string_view) override { return false; }
  std::string InterfaceTowards(std::string_view address) override {
    return address.starts_with("10.") ? "eth1" : "";
  }
};

TEST(SurroundingsOfTest, TakesTheSubnetOfTheInterfaceTowardsTheDevice) {
  TwoInterfaces interfaces;
  const AddressSurroundings around = SurroundingsOf(interfaces, "10.77.0.20");
  ASSERT_TRUE(around.route);
  EXPECT_EQ(around.route->name, "eth1");
  EXPECT_EQ(around.route->mask, 0xFFFFFF00u);
  EXPECT_EQ(around.deviceAddress, *ParseIpv4("10.77.0.20"));
  EXPECT_EQ(around.ownAddresses.size(), 2u);
  EXPECT_FALSE(SurroundingsOf(interfaces, "172.16.0.9").route);
}

TEST(AddressFindingTextTest, NamesWhereThisPcIsAndWhoHoldsTheAddress) {
  const FixedAddressPlan plan{*ParseIpv4("192.168.5.20"), 0xFFFFFF00, {}};
  const std::vector<AddressFinding> findings{
      {AddressProblem::kOutOfReach, "10.77.0.0/24", "eth1"},
      {AddressProblem::kAddressInUse, {}, {}, "02:00:00:00:00:%1"}};
  EXPECT_EQ(AddressFindingsText(findings, plan, false),
            "The new address may not work:\n"
            "\u2022 This PC, on 10.77.0.0/24 through eth1, will not reach the device at "
            "192.168.5.20: no web page, no shares.\n"
            "\u2022 Another host (02:00:00:00:00:%1) already answers at 192.168.5.20.");
  EXPECT_NE(AddressFindingText(findings[1], plan, true).find("02:00:00:00:00:%1"),
            std::string::npos);
}

}  // namespace
}  // namespace tamberlyx
