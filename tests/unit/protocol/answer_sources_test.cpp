// A third host's VERIFYOK let a wrong password through, and its SETOK reported a save that never
// happened: answers count only from the device talked to.
#include "protocol/answer_sources.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/fakenet/fake_network.h"
#include "platform/fakenet/fake_transport.h"
#include "platform/fakenet/manual_scheduler.h"
#include "platform/fakenet/manual_timer.h"
#include "platform/fakenet/recording_owner.h"
#include "protocol/datagram.h"
#include "protocol/exchange.h"
#include "protocol/shared_buffers.h"

namespace tamberlyx {
namespace {

constexpr char kDevice[] = "192.168.0.20";
constexpr char kThirdHost[] = "192.168.0.66";
constexpr char kNewAddress[] = "192.168.0.30";
constexpr char kFixed[] = "nwk.bootproto=none&nwk.ipaddr=192.168.0.20";
constexpr char kMoved[] = "nwk.bootproto=none&nwk.ipaddr=192.168.0.30";
constexpr char kDhcp[] = "nwk.bootproto=dhcp&nwk.ipaddr=192.168.0.20";

struct SourceCase {
  const char* name;
  bool set;  // else VERIFY
  const char* currentSettings;
  const char* newSettings;
  const char* source;
  bool counts;
};

class AnswerSourceTest : public testing::TestWithParam<SourceCase> {};

TEST_P(AnswerSourceTest, AnAnswerCountsOnlyFromTheDeviceTalkedTo) {
  const SourceCase& c = GetParam();
  const SharedBuffers buffers{c.currentSettings, c.newSettings, kDevice, "admin"};
  ManualScheduler scheduler;
  FakeNetwork network(scheduler.Function());
  FakeTransport transport(network);
  ManualTimer timer;
  RecordingOwner owner;
  Exchange exchange(c.set ? SetExchange() : VerifyExchange(), transport, timer, owner, 50);
  exchange.Start("request", kDevice,
                 c.set ? SetAnswerSources(buffers) : VerifyAnswerSources(buffers));

  const char* word = c.set ? "SETOK" : "VERIFYOK";
  network.DeliverNow(BuildDatagram(network.PcAddress(), word, ""), c.source);
  EXPECT_EQ(owner.Words().size(), c.counts ? 1u : 0u);
  EXPECT_EQ(exchange.Running(), !c.counts) << "an ignored answer leaves the exchange waiting";
}

INSTANTIATE_TEST_SUITE_P(
    Rules, AnswerSourceTest,
    testing::Values(
        SourceCase{"VerifyFromTheDevice", false, kFixed, kFixed, kDevice, true},
        SourceCase{"VerifyFromAThirdHost", false, kFixed, kFixed, kThirdHost, false},
        SourceCase{"VerifyFromTheAddressItWillHave", false, kFixed, kMoved, kNewAddress, false},
        SourceCase{"SetFromTheDevice", true, kFixed, kFixed, kDevice, true},
        SourceCase{"SetFromAThirdHost", true, kFixed, kFixed, kThirdHost, false},
        SourceCase{"SetFromTheNewFixedAddress", true, kFixed, kMoved, kNewAddress, true},
        SourceCase{"SetFromItsOldAddressWhenMoving", true, kFixed, kMoved, kDevice, true},
        SourceCase{"SetMovingFromAThirdHost", true, kFixed, kMoved, kThirdHost, false},
        SourceCase{"SetSwitchingToDhcpFromAnyAddress", true, kFixed, kDhcp, kThirdHost, true},
        SourceCase{"SetStayingOnDhcpFromAThirdHost", true, kDhcp, kDhcp, kThirdHost, false}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(AnswerSources, WithoutExplicitSourcesAUnicastHearsItsDestinationAndABroadcastAnyone) {
  ManualScheduler scheduler;
  FakeNetwork network(scheduler.Function());
  FakeTransport transport(network);
  ManualTimer timer;
  RecordingOwner owner;
  Exchange discovery(DiscoveryExchange(), transport, timer, owner, 50);
  discovery.Start("search", "255.255.255.255");
  network.DeliverNow(BuildDatagram(network.PcAddress(), "GETOK", ""), kThirdHost);
  discovery.End();
  Exchange verify(VerifyExchange(), transport, timer, owner, 50);
  verify.Start("verify", kDevice);
  network.DeliverNow(BuildDatagram(network.PcAddress(), "GETOK", ""), kThirdHost);
  network.DeliverNow(BuildDatagram(network.PcAddress(), "GETOK", ""), kDevice);
  ASSERT_EQ(owner.replies.size(), 2u);
  EXPECT_EQ(owner.replies[0].source, kThirdHost);
  EXPECT_EQ(owner.replies[1].source, kDevice);
}

}  // namespace
}  // namespace tamberlyx
