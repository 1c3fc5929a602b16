#include "platform/fakenet/fake_network.h"
#include "device/fake_devices.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "platform/fakenet/fake_transport.h"
#include "platform/fakenet/manual_scheduler.h"
#include "protocol/constants.h"
#include "protocol/datagram.h"

namespace tamberlyx {
namespace {

constexpr char kDeviceA[] = "192.168.0.10";
constexpr char kDeviceB[] = "192.168.0.11";

class FakeNetworkTest : public ::testing::Test {
 protected:
  FakeNetworkTest() {
    device::AddDevice(network, kDeviceA);
    device::AddDevice(network, kDeviceB);
  }

  // Listens on CLIENT_PORT with the socket kept in `listener`, draining every datagram
  // announced into `received`.
  ListenError Listen() {
    ListenResult result = transport.Listen([this](unsigned event, unsigned error) {
      events.push_back({event, error});
      while (std::optional<Datagram> datagram = listener->Receive()) received.push_back(*datagram);
    });
    listener = std::move(result.listener);
    return result.error;
  }

  std::vector<std::string> ReceivedSources() const {
    std::vector<std::string> sources;
    for (const Datagram& datagram : received) sources.push_back(datagram.source);
    return sources;
  }

  ManualScheduler scheduler;
  FakeNetwork network{scheduler.Function()};
  FakeTransport transport{network};
  std::unique_ptr<Listener> listener;
  std::vector<Datagram> received;
  std::vector<std::pair<unsigned, unsigned>> events;
};

struct RouteCase {
  const char* name;
  std::string datagram;
  std::string destination;
  bool broadcast;
  bool sendSucceeds;
  std::vector<std::string> repliesFrom;
};

class FakeNetworkRouteTest : public FakeNetworkTest,
                             public ::testing::WithParamInterface<RouteCase> {};

TEST_P(FakeNetworkRouteTest, RoutesByDestination) {
  const RouteCase& c = GetParam();
  ASSERT_EQ(Listen(), ListenError::kNone);

  EXPECT_EQ(transport.Send(c.datagram, c.destination, c.broadcast), c.sendSucceeds);
  EXPECT_TRUE(received.empty()) << "replies must not arrive inside Send";
  scheduler.RunAll();

  EXPECT_EQ(ReceivedSources(), c.repliesFrom);
  EXPECT_EQ(network.Sent().size(), c.sendSucceeds ? 1u : 0u);
}

const std::string kVerifyAdmin = BuildDatagram(kDeviceB, "VERIFY", "passwd=admin");

INSTANTIATE_TEST_SUITE_P(
    Cases, FakeNetworkRouteTest,
    ::testing::Values(
        RouteCase{"BroadcastReachesEveryDevice",
                  BuildDiscoveryRequest(),
                  kBroadcastAddress,
                  true,
                  true,
                  {kDeviceA, kDeviceB}},
        RouteCase{"UnicastReachesOnlyItsDevice", kVerifyAdmin, kDeviceB, false, true, {kDeviceB}},
        RouteCase{
            "UnicastToNobodyIsSentButUnanswered", kVerifyAdmin, "192.168.0.99", false, true, {}},
        RouteCase{"BroadcastWithoutTheOptionIsRefused",
                  BuildDiscoveryRequest(),
                  kBroadcastAddress,
                  false,
                  false,
                  {}},
        RouteCase{"MalformedDestinationIsRefused", kVerifyAdmin, "192.168.0", false, false, {}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(FakeNetworkTest, RecordsEveryDatagramByteForByte) {
  ASSERT_TRUE(transport.Send(BuildDiscoveryRequest(), kBroadcastAddress, true));
  ASSERT_TRUE(transport.Send(kVerifyAdmin, kDeviceB, false));

  const std::vector<SentDatagram> expected = {
      {"255.255.255.255Tamberlyx", kBroadcastAddress, true},
      {"192.168.0.11   VERIFY    passwd=admin", kDeviceB, false},
  };
  EXPECT_EQ(network.Sent(), expected);
}

TEST_F(FakeNetworkTest, LateReplyArrivesOnTimeOrNotAtAll) {
  network.RemovePeer(kDeviceA);
  device::DeviceOptions slow;
  slow.delayMs = 900;
  device::AddDevice(network, kDeviceA, slow);
  Listen();
  transport.Send(BuildDiscoveryRequest(), kBroadcastAddress, true);

  scheduler.RunDue(899);
  EXPECT_EQ(ReceivedSources(), std::vector<std::string>{kDeviceB});
  scheduler.RunDue(900);
  EXPECT_EQ(ReceivedSources(), (std::vector<std::string>{kDeviceB, kDeviceA}));

  // Once the listening socket is closed, a late reply goes nowhere.
  transport.Send(BuildDiscoveryRequest(), kBroadcastAddress, true);
  scheduler.RunDue(1000);
  listener.reset();
  scheduler.RunAll();
  EXPECT_EQ(received.size(), 3u);
}

TEST_F(FakeNetworkTest, RepliesToTheSourcePortAreLost) {
  network.RemovePeer(kDeviceA);
  device::DeviceOptions misdirected;
  misdirected.replyToSourcePort = true;
  device::AddDevice(network, kDeviceA, misdirected);
  Listen();
  transport.Send(BuildDiscoveryRequest(), kBroadcastAddress, true);
  scheduler.RunAll();

  EXPECT_EQ(ReceivedSources(), std::vector<std::string>{kDeviceB});
  EXPECT_EQ(network.LostReplies(), 1);
}

TEST_F(FakeNetworkTest, HeldPortFailsTheBindButKeepsTheSocket) {
  network.HoldClientPort(true);
  EXPECT_EQ(Listen(), ListenError::kBind);
  EXPECT_NE(listener, nullptr);
  transport.Send(BuildDiscoveryRequest(), kBroadcastAddress, true);
  scheduler.RunAll();
  EXPECT_TRUE(received.empty());

  network.HoldClientPort(false);
  EXPECT_EQ(Listen(), ListenError::kNone);
}

TEST_F(FakeNetworkTest, SecondListenerFindsThePortTakenUntilTheFirstCloses) {
  ASSERT_EQ(Listen(), ListenError::kNone);
  EXPECT_EQ(transport.Listen([](unsigned, unsigned) {}).error, ListenError::kBind);
  EXPECT_TRUE(network.ClientPortBound());

  listener.reset();
  EXPECT_FALSE(network.ClientPortBound());
  EXPECT_EQ(transport.Listen([](unsigned, unsigned) {}).error, ListenError::kNone);
}

TEST_F(FakeNetworkTest, FailureKnobs) {
  network.Failures().create = true;
  EXPECT_EQ(Listen(), ListenError::kCreate);
  EXPECT_EQ(listener, nullptr);

  network.Failures() = FakeFailures{};
  network.Failures().select = true;
  EXPECT_EQ(Listen(), ListenError::kSelect);
  ASSERT_NE(listener, nullptr);
  EXPECT_TRUE(network.ClientPortBound()) << "bound, only never announced";
  transport.Send(BuildDiscoveryRequest(), kBroadcastAddress, true);
  scheduler.RunAll();
  EXPECT_TRUE(events.empty());
  listener.reset();

  network.Failures() = FakeFailures{};
  network.Failures().bind = true;
  EXPECT_EQ(Listen(), ListenError::kBind);

  network.Failures() = FakeFailures{};
  network.Failures().send = true;
  EXPECT_FALSE(transport.Send(kVerifyAdmin, kDeviceB, false));
  EXPECT_EQ(network.Sent().size(), 1u);
}

TEST_F(FakeNetworkTest, ListenerMayBeDestroyedByItsOwnReadinessCallback) {
  std::unique_ptr<Listener> owned;
  int calls = 0;
  ListenResult result = transport.Listen([&](unsigned, unsigned) {
    ++calls;
    owned.reset();  // as an exchange ending on its reply does
  });
  owned = std::move(result.listener);
  transport.Send(BuildDiscoveryRequest(), kBroadcastAddress, true);
  scheduler.RunAll();

  EXPECT_EQ(calls, 1);
  EXPECT_FALSE(network.ClientPortBound());
}

TEST_F(FakeNetworkTest, InjectedDatagramsAndErrorNoticesReachTheListener) {
  Listen();
  network.Inject("stray", "192.168.0.200");
  network.RaiseNotification(kReadEvent, 10054);
  scheduler.RunAll();

  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0].bytes, "stray");
  EXPECT_EQ(events.front(), std::make_pair(kReadEvent, 10054u));
}

}  // namespace
}  // namespace tamberlyx
