#include "operations/address_check.h"

#include <gtest/gtest.h>

#include "protocol/ipv4_text.h"

namespace tamberlyx {
namespace {

using enum AddressProblem;

std::uint32_t Ip(const char* text) {
  return *ParseIpv4(text);
}

struct Case {
  const char* what;
  const char* address;
  const char* mask;
  const char* gateway;  // "" for none
  std::vector<AddressProblem> expected;
};

// This PC is 10.77.0.1/24 on eth1; the device answers from 10.77.0.20.
AddressSurroundings OnOurSubnet() {
  return {AnsweringInterface{"eth1", Ip("10.77.0.1"), Ip("255.255.255.0")},
          Ip("10.77.0.20"),
          {Ip("127.0.0.1"), Ip("10.77.0.1")},
          ""};
}

std::vector<AddressProblem> Problems(const Case& c, const AddressSurroundings& around) {
  FixedAddressPlan plan{Ip(c.address), Ip(c.mask), std::nullopt};
  if (*c.gateway) plan.gateway = Ip(c.gateway);
  std::vector<AddressProblem> problems;
  for (const AddressFinding& finding : CheckFixedAddress(plan, around)) {
    problems.push_back(finding.problem);
  }
  return problems;
}

TEST(AddressCheckTest, EachRuleAloneAndTogether) {
  const Case cases[] = {
      {"sound", "10.77.0.30", "255.255.255.0", "10.77.0.254", {}},
      {"sound without gateway", "10.77.0.30", "255.255.255.0", "", {}},
      {"mask with a hole", "10.77.0.30", "255.0.255.0", "", {kMaskNotContiguous}},
      {"mask of nothing", "10.77.0.30", "0.0.0.0", "", {kMaskLeavesNoHosts}},
      {"/31", "10.77.0.30", "255.255.255.254", "", {kMaskLeavesNoHosts}},
      {"/32", "10.77.0.30", "255.255.255.255", "", {kMaskLeavesNoHosts}},
      {"unspecified", "0.0.0.0", "255.255.255.0", "", {kAddressUnspecified}},
      {"loopback", "127.0.0.5", "255.0.0.0", "", {kAddressLoopback, kOutOfReach}},
      {"multicast", "224.0.0.9", "255.255.255.0", "", {kAddressMulticast, kOutOfReach}},
      {"network address", "10.77.0.0", "255.255.255.0", "", {kNetworkAddress}},
      {"broadcast address", "10.77.0.255", "255.255.255.0", "", {kSubnetBroadcast}},
      {"gateway is the address", "10.77.0.30", "255.255.255.0", "10.77.0.30", {kGatewayIsAddress}},
      {"gateway elsewhere", "10.77.0.30", "255.255.255.0", "10.78.0.1", {kGatewayOutsideSubnet}},
      {"another subnet", "192.168.5.20", "255.255.255.0", "192.168.5.1", {kOutOfReach}},
      {"this PC's own", "10.77.0.1", "255.255.255.0", "", {kOwnAddress}},
      {"a wider mask still reaches", "10.77.3.30", "255.255.0.0", "", {kOutOfReach}},
      {"everything at once",
       "10.78.0.255",
       "255.255.255.0",
       "10.79.0.1",
       {kSubnetBroadcast, kGatewayOutsideSubnet, kOutOfReach}},
      {"bad mask, own address",
       "10.77.0.1",
       "255.0.255.0",
       "10.77.0.1",
       {kMaskNotContiguous, kGatewayIsAddress, kOwnAddress}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Problems(c, OnOurSubnet()), c.expected) << c.what;
  }
}

TEST(AddressCheckTest, ReachIsJudgedOnlyForADeviceOnOurSubnet) {
  const Case elsewhere{"another subnet", "192.168.5.20", "255.255.255.0", "", {}};
  AddressSurroundings throughRouter = OnOurSubnet();
  throughRouter.deviceAddress = Ip("172.16.0.9");
  EXPECT_EQ(Problems(elsewhere, throughRouter), std::vector<AddressProblem>{});
  AddressSurroundings unknown = OnOurSubnet();
  unknown.route.reset();
  EXPECT_EQ(Problems(elsewhere, unknown), std::vector<AddressProblem>{});
}

TEST(AddressCheckTest, FindingsNameWhereThePcIsAndWhoHoldsTheAddress) {
  AddressSurroundings around = OnOurSubnet();
  around.holderMac = "02:00:00:00:00:99";
  const auto found =
      CheckFixedAddress({Ip("192.168.5.20"), Ip("255.255.255.0"), std::nullopt}, around);
  ASSERT_EQ(found.size(), 2U);
  EXPECT_EQ(found[0], (AddressFinding{kOutOfReach, "10.77.0.0/24", "eth1"}));
  EXPECT_EQ(found[1], (AddressFinding{kAddressInUse, {}, {}, "02:00:00:00:00:99"}));
}

}  // namespace
}  // namespace tamberlyx
