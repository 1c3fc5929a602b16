// A device that applies its network settings: which SET moves it, where DHCP puts it.
#include "device/network_move.h"

#include <gtest/gtest.h>

#include <set>

#include "device/restart_schedule.h"
#include "protocol/ipv4_text.h"

namespace tamberlyx::device {
namespace {

constexpr char kFixed[] = "nwk.bootproto=none&nwk.ipaddr=10.0.0.2&x=1";
constexpr char kDhcp[] = "nwk.bootproto=dhcp&nwk.ipaddr=10.0.0.2&x=1";
const std::uint32_t kCurrent = *ParseIpv4("10.0.0.2");

TEST(MoveAfterSet, MovesOnlyWhereTheNetworkPartChanged) {
  struct Case {
    const char* before;
    const char* after;
    const char* expected;  // "dhcp", a fixed address, or "" to stay
  };
  const Case cases[] = {
      {kFixed, kFixed, ""},
      {kFixed, "nwk.bootproto=none&nwk.ipaddr=10.0.0.9&x=1", "10.0.0.9"},
      {kFixed, "nwk.ipaddr=10.0.0.9", "10.0.0.9"},  // no bootproto: fixed
      {kFixed, "nwk.bootproto=none&nwk.ipaddr=10.0.0.2&x=2", ""},
      {kFixed, kDhcp, "dhcp"},
      {kFixed, "nwk.bootproto=dhcp&nwk.ipaddr=10.0.0.9", "dhcp"},
      {kDhcp, "nwk.bootproto=dhcp&nwk.ipaddr=10.0.0.9", ""},  // a lease is not chosen by SET
      {kDhcp, "nwk.bootproto=none&nwk.ipaddr=10.0.0.9", "10.0.0.9"},
      {kDhcp, "nwk.bootproto=none&nwk.ipaddr=10.0.0.2", ""},  // the lease becomes fixed
      // The settings name another address than the one the device stands at.
      {"nwk.ipaddr=192.0.2.1", "nwk.ipaddr=10.0.0.2", ""},
      {"nwk.ipaddr=192.0.2.1", "nwk.ipaddr=10.0.0.7", "10.0.0.7"},
      // Nowhere a host can stand.
      {kFixed, "nwk.ipaddr=", ""},
      {kFixed, "nwk.ipaddr=10.0.0", ""},
      {kFixed, "nwk.ipaddr=0.0.0.0", ""},
      {kFixed, "nwk.ipaddr=127.0.0.1", ""},
      {kFixed, "nwk.ipaddr=224.0.0.1", ""},
      {kFixed, "nwk.ipaddr=255.255.255.255", ""},
  };
  for (const Case& c : cases) {
    const std::optional<NetworkMove> move = MoveAfterSet(c.before, c.after, kCurrent);
    const std::string got = !move ? "" : move->dhcp ? "dhcp" : FormatIpv4(move->address);
    EXPECT_EQ(got, c.expected) << c.before << " -> " << c.after;
  }
}

TEST(DhcpPool, ParsesARangeAndLeasesTheFirstFreeAddress) {
  const auto pool = ParseAddressRange("10.0.0.254-10.0.1.1");
  ASSERT_TRUE(pool);
  std::set<std::uint32_t> taken{*ParseIpv4("10.0.0.254"), *ParseIpv4("10.0.1.0")};
  const auto isTaken = [&taken](std::uint32_t address) { return taken.contains(address); };
  for (const char* expected : {"10.0.0.255", "10.0.1.1"}) {
    const auto lease = NextFreeAddress(*pool, isTaken);
    ASSERT_TRUE(lease);
    EXPECT_EQ(FormatIpv4(*lease), expected);
    taken.insert(*lease);
  }
  EXPECT_FALSE(NextFreeAddress(*pool, isTaken));
  // The top of the address space ends the scan instead of wrapping around.
  EXPECT_FALSE(NextFreeAddress({0xFFFFFFFE, 0xFFFFFFFF}, [](std::uint32_t) { return true; }));
  for (const char* bad : {"10.0.0.9", "10.0.0.9-", "10.0.0.9-10.0.0.8", "10.0.0.1-224.0.0.1",
                          "0.0.0.0-10.0.0.1", "10.0.0.1 - 10.0.0.2"}) {
    EXPECT_FALSE(ParseAddressRange(bad)) << bad;
  }
}

TEST(RestartSchedule, KeepsADeviceSilentUntilItsRestartIsOver) {
  RestartSchedule restarts;
  const Clock::time_point start{};
  restarts.Begin(3, NetworkMove{true, 0}, start + std::chrono::milliseconds(200));
  restarts.Begin(1, NetworkMove{false, 7}, start + std::chrono::milliseconds(100));
  EXPECT_TRUE(restarts.IsRestarting(1) && restarts.IsRestarting(3));
  EXPECT_FALSE(restarts.IsRestarting(2));
  EXPECT_EQ(restarts.MillisecondsUntilNext(start), 100);
  const auto due = restarts.TakeDue(start + std::chrono::milliseconds(150));
  ASSERT_EQ(due.size(), 1u);
  EXPECT_EQ(due[0].member, 1u);
  EXPECT_EQ(due[0].move.address, 7u);
  EXPECT_FALSE(restarts.IsRestarting(1));
  EXPECT_TRUE(restarts.IsRestarting(3));
}

}  // namespace
}  // namespace tamberlyx::device
