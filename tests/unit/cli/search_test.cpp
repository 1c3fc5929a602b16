// The widened search: which ways the request leaves. What it says when nobody answers is
// checked end to end (tests/e2e/cli_discover_no_answer.sh).
#include <gtest/gtest.h>

#include "protocol/datagram.h"
#include "protocol/search_transport.h"

namespace tamberlyx::cli {
namespace {

// The PC: eth0 (where the routes lead, 10.0.x) and eth1 (10.1.x); sends via `failing` fail.
struct RecordingNetwork : Transport, InterfaceNetwork {
  std::vector<LocalInterface> interfaces;
  std::string failing;
  std::vector<std::string> sentBytes;
  std::vector<std::string> ways;  // "routed" or the interface named, for each send

  bool Send(std::string_view datagram, std::string_view, bool) override {
    sentBytes.emplace_back(datagram);
    ways.emplace_back("routed");
    return true;
  }
  ListenResult Listen(ReadyCallback) override { return {}; }
  std::vector<std::string> OwnAddresses() override { return {}; }
  std::vector<LocalInterface> BroadcastInterfaces() override { return interfaces; }
  bool SendVia(const LocalInterface& via, std::string_view datagram, std::string_view) override {
    sentBytes.emplace_back(datagram);
    ways.push_back(via.name);
    return via.name != failing;
  }
  std::string InterfaceTowards(std::string_view address) override {
    return address.starts_with("10.1.") ? "eth1" : "eth0";
  }
};

TEST(SearchTransport, SendsOncePerInterfaceAndAddressAndNeverNarrowerThanThePlainSearch) {
  const LocalInterface eth0{"eth0", "10.0.0.1"}, eth1{"eth1", "10.1.0.1"};
  const std::string all = "255.255.255.255";
  struct Case {
    SearchOptions options;
    std::vector<LocalInterface> interfaces;
    std::string failing;
    std::vector<SearchRoute> routes;
    bool sent;
  };
  const Case cases[] = {
      {{}, {eth0, eth1}, "", {{all, "eth0", "", true}}, true},
      {{true, {}},
       {eth0, eth1},
       "eth0",
       {{all, "eth0", "10.0.0.1", false}, {all, "eth1", "10.1.0.1", true}},
       true},
      {{true, {}}, {eth0}, "eth0", {{all, "eth0", "10.0.0.1", false}}, false},
      {{true, {}}, {}, "", {{all, "eth0", "", true}}, true},  // no usable interface: the route
      {{false, {"10.1.0.5"}},
       {eth0},
       "",
       {{all, "eth0", "", true}, {"10.1.0.5", "eth1", "", true}},
       true},
  };
  for (const Case& c : cases) {
    RecordingNetwork network;
    network.interfaces = c.interfaces;
    network.failing = c.failing;
    SearchTransport search(network, &network, c.options);
    EXPECT_EQ(search.Send(BuildDiscoveryRequest(), all, true), c.sent);
    EXPECT_EQ(search.Routes(), c.routes);
    for (const std::string& bytes : network.sentBytes) EXPECT_EQ(bytes, BuildDiscoveryRequest());
  }
}

// VERIFY and SET after the search: out of the interface the device answered on, when the
// search went out of it; otherwise the routes decide, as without --every-interface.
TEST(SearchTransport, ARequestToOneDeviceLeavesThroughTheInterfaceItAnsweredOn) {
  const LocalInterface eth0{"eth0", "10.0.0.1"}, eth1{"eth1", "10.1.0.1"};
  struct Case {
    bool everyInterface;
    std::vector<LocalInterface> interfaces;
    std::string device;
    std::string way;
    SearchRoute route;
  };
  const Case cases[] = {
      {true, {eth0, eth1}, "10.0.0.5", "eth0", {"10.0.0.5", "eth0", "10.0.0.1", true}},
      {true, {eth0, eth1}, "10.1.0.5", "eth1", {"10.1.0.5", "eth1", "10.1.0.1", true}},
      {true, {eth0}, "10.1.0.5", "routed", {"10.1.0.5", "eth1", "", true}},  // eth1 not searched
      {false, {eth0, eth1}, "10.1.0.5", "routed", {"10.1.0.5", "eth1", "", true}},
  };
  for (const Case& c : cases) {
    RecordingNetwork network;
    network.interfaces = c.interfaces;
    SearchTransport search(network, &network, {c.everyInterface, {"10.9.0.9"}});
    EXPECT_TRUE(search.Send("VERIFY", c.device, false));
    EXPECT_EQ(network.ways, std::vector<std::string>{c.way}) << c.device;  // never the addresses
    EXPECT_EQ(search.Routes(), std::vector<SearchRoute>{c.route});
  }
}

}  // namespace
}  // namespace tamberlyx::cli
