#include "protocol/exchange.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/fakenet/fake_network.h"
#include "platform/fakenet/fake_transport.h"
#include "platform/fakenet/manual_scheduler.h"
#include "platform/fakenet/manual_timer.h"
#include "platform/fakenet/network_peer.h"
#include "platform/fakenet/recording_owner.h"
#include "protocol/constants.h"
#include "protocol/datagram.h"
#include "protocol/messages.h"

namespace tamberlyx {
namespace {

constexpr char kOwn[] = "192.168.1.5";
constexpr char kOtherPc[] = "192.168.1.77";
constexpr char kDevice[] = "192.168.1.20";

template <typename Case>
std::string CaseName(const testing::TestParamInfo<Case>& param) {
  return param.param.name;
}

// Named cases print as their name.
template <typename Case>
requires requires(const Case& c) {
  c.name;
}
void PrintTo(const Case& c, std::ostream* os) {
  *os << c.name;
}

// A host that answers while the request is still leaving, before the send returns.
class EagerPeer : public NetworkPeer {
 public:
  EagerPeer(FakeNetwork& network, std::string reply) : m_network(network), m_reply(reply) {}
  const std::string& Address() const override { return m_address; }
  std::vector<PeerReply> Handle(std::string_view, std::string_view) override {
    m_network.DeliverNow(m_reply, m_address);
    return {};
  }

 private:
  FakeNetwork& m_network;
  std::string m_reply;
  std::string m_address = kDevice;
};

class ExchangeTest : public testing::Test {
 protected:
  ExchangeTest() { m_network.SetOwnAddresses({kOwn}); }

  void Start(const ExchangeKind& kind, std::string_view destination = kDevice) {
    m_exchange = std::make_unique<Exchange>(kind, m_transport, m_timer, m_owner, 7);
    m_owner.exchange = m_exchange.get();
    m_exchange->Start("request", destination);
  }
  void Reply(std::string_view address, std::string_view word, std::string_view body = "") {
    m_network.DeliverNow(BuildDatagram(address, word, body), kDevice);
  }
  std::vector<std::string> Words() const { return m_owner.Words(); }
  // The exchange ended by itself: timer stopped, listening socket closed.
  void ExpectEnded() const {
    EXPECT_FALSE(m_exchange->Running());
    EXPECT_FALSE(m_timer.Running());
    EXPECT_EQ(m_network.OpenSockets(), 0);
  }

  ManualScheduler m_scheduler;
  FakeNetwork m_network{m_scheduler.Function()};
  FakeTransport m_transport{m_network};
  ManualTimer m_timer;
  RecordingOwner m_owner;
  std::unique_ptr<Exchange> m_exchange;
};

TEST_F(ExchangeTest, StartsTimerListensAndSends) {
  Start(DiscoveryExchange(), kBroadcastAddress);
  EXPECT_TRUE(m_timer.Running());
  EXPECT_EQ(m_timer.PeriodMs(), 7);
  ASSERT_EQ(m_network.Sent().size(), 1u);
  EXPECT_EQ(m_network.Sent()[0].destination, kBroadcastAddress);
  EXPECT_TRUE(m_network.Sent()[0].broadcast);
  EXPECT_EQ(m_owner.listening, 1);
  EXPECT_TRUE(m_exchange->SocketOpen());
}

TEST_F(ExchangeTest, UnicastExchangesSendWithoutBroadcast) {
  for (const ExchangeKind* kind : {&VerifyExchange(), &SetExchange()}) {
    m_network.ClearSent();
    Start(*kind);
    ASSERT_EQ(m_network.Sent().size(), 1u);
    EXPECT_FALSE(m_network.Sent()[0].broadcast);
    EXPECT_EQ(m_network.Sent()[0].destination, kDevice);
  }
}

struct TickCase {
  const char* name;
  const ExchangeKind& (*kind)();
  int lastTick;
};

class TickLimitTest : public ExchangeTest, public testing::WithParamInterface<TickCase> {};

TEST_P(TickLimitTest, EndOfTimeComesOnTheTickAfterTheLimit) {
  Start(GetParam().kind());
  EXPECT_EQ(m_timer.Fire(GetParam().lastTick - 1), GetParam().lastTick - 1);
  EXPECT_TRUE(m_exchange->Running());
  EXPECT_TRUE(m_owner.endOfTime.empty());
  m_timer.Fire(1);
  EXPECT_EQ(m_owner.endOfTime, std::vector<bool>{true});
  EXPECT_EQ(m_owner.steps, GetParam().lastTick);
  ExpectEnded();
}

INSTANTIATE_TEST_SUITE_P(Kinds, TickLimitTest,
                         testing::Values(TickCase{"Discovery", DiscoveryExchange, 16},
                                         TickCase{"Verify", VerifyExchange, 101},
                                         TickCase{"Set", SetExchange, 301}),
                         CaseName<TickCase>);

// A busy loop delivered its timer messages late and the window grew with every one of them.
struct StallCase {
  const char* name;
  const ExchangeKind& (*kind)();
  int stallMs;  // the loop is busy before the next timer message
  int steps;    // progress steps that message runs
  bool ended;   // whether it ends the window
};

class StalledLoopTest : public ExchangeTest, public testing::WithParamInterface<StallCase> {};

TEST_P(StalledLoopTest, ALateTickCatchesUpTickByTick) {
  const StallCase& c = GetParam();
  Start(c.kind());  // ticks of 7 ms
  m_timer.Fire(2);
  m_timer.Stall(c.stallMs);
  m_timer.Fire();
  EXPECT_EQ(m_owner.steps, 2 + c.steps);
  EXPECT_EQ(m_owner.endOfTime.size(), c.ended ? 1u : 0u);
  EXPECT_EQ(m_exchange->Running(), !c.ended);
}

INSTANTIATE_TEST_SUITE_P(
    Stalls, StalledLoopTest,
    testing::Values(StallCase{"OnTime", DiscoveryExchange, 0, 1, false},
                    StallCase{"LessThanATick", DiscoveryExchange, 5, 1, false},
                    StallCase{"FiveTicks", DiscoveryExchange, 35, 6, false},
                    StallCase{"PastTheWindow", DiscoveryExchange, 1000, 14, true},
                    StallCase{"VerifyPastItsLimit", VerifyExchange, 7 * 99, 99, true},
                    StallCase{"SetJustBeforeItsEnd", SetExchange, 7 * 297, 298, false},
                    StallCase{"SetAtItsEnd", SetExchange, 7 * 298, 299, true}),
    CaseName<StallCase>);

TEST_F(ExchangeTest, AReplyThatEndsTheExchangeInsideACatchUpStopsIt) {
  Start(VerifyExchange());
  m_owner.onStepProgress = [this] {
    if (m_owner.steps == 3) Reply(kOwn, "VERIFYOK");
  };
  m_timer.Stall(7 * 50);
  m_timer.Fire();
  EXPECT_EQ(m_owner.steps, 3);
  ExpectEnded();
  EXPECT_TRUE(m_owner.endOfTime.empty());
}

// Restarting inside a caught-up tick must not hand the new exchange the old one's due ticks.
TEST_F(ExchangeTest, AnExchangeStartedInsideACatchUpBeginsAtTickZero) {
  Start(VerifyExchange());
  m_owner.onStepProgress = [this] {
    if (m_owner.steps == 1) m_exchange->Start("again", kDevice);
  };
  m_timer.Stall(7 * 20);
  m_timer.Fire();
  EXPECT_EQ(m_owner.steps, 1);
  EXPECT_TRUE(m_exchange->Running());
  EXPECT_EQ(m_exchange->Ticks(), 0);
}

TEST_F(ExchangeTest, DiscoveryCollectsRepliesAndEndsOnlyByTime) {
  Start(DiscoveryExchange(), kBroadcastAddress);
  Reply(kOwn, "GETOK", "sys.hostname=A");
  m_timer.Fire(5);
  Reply(kOwn, "GETOK", "sys.hostname=B");
  Reply(kOtherPc, "GETOK", "sys.hostname=C");  // meant for another PC
  EXPECT_EQ(Words(), (std::vector<std::string>{"GETOK", "GETOK"}));
  EXPECT_EQ(m_owner.replies[1].body, "sys.hostname=B");
  EXPECT_EQ(m_owner.replies[1].source, kDevice);
  EXPECT_TRUE(m_owner.replies[1].exchangeRunning);
  EXPECT_EQ(m_timer.Fire(100), 11);
  ExpectEnded();
}

TEST_F(ExchangeTest, AReplyForAnyOfThePcsAddressesPasses) {
  m_network.SetOwnAddresses({"127.0.1.1", kOwn});
  Start(VerifyExchange());
  Reply(kOwn, "VERIFYOK");
  EXPECT_EQ(Words(), std::vector<std::string>{"VERIFYOK"});
}

// Every reply used to resolve the host name and walk the interfaces again on the event loop.
TEST_F(ExchangeTest, OwnAddressesAreReadOncePerExchange) {
  Start(VerifyExchange());
  m_network.SetOwnAddresses({"10.9.9.9"});  // changes during the exchange count from the next one
  Reply(kOwn, "VERIFYOK");
  EXPECT_EQ(Words(), std::vector<std::string>{"VERIFYOK"});
  Start(VerifyExchange());
  Reply(kOwn, "VERIFYOK");
  EXPECT_EQ(Words().size(), 1u);
}

TEST_F(ExchangeTest, WithoutAnOwnAddressEveryCheckedReplyIsDropped) {
  m_network.SetOwnAddresses({});
  Start(VerifyExchange());
  Reply("", "VERIFYOK");
  EXPECT_TRUE(m_owner.replies.empty());
  EXPECT_TRUE(m_exchange->Running());
}

struct WordCase {
  const char* name;
  const ExchangeKind& (*kind)();
  const char* address;
  const char* word;
  bool ends;     // the exchange is over when the owner sees the reply
  bool handled;  // the owner sees the reply at all
};

class ReplyWordTest : public ExchangeTest, public testing::WithParamInterface<WordCase> {};

TEST_P(ReplyWordTest, DecidesOnExactWordsFromTheRightAddress) {
  const WordCase& c = GetParam();
  Start(c.kind());
  Reply(c.address, c.word);
  ASSERT_EQ(m_owner.replies.size(), c.handled ? 1u : 0u);
  if (c.handled) {
    EXPECT_EQ(m_owner.replies[0].exchangeRunning, !c.ends);
  }
  EXPECT_EQ(m_exchange->Running(), !c.ends);
  if (c.ends) {
    ExpectEnded();
    EXPECT_EQ(m_timer.Fire(400), 0);
    EXPECT_TRUE(m_owner.endOfTime.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Words, ReplyWordTest,
    testing::Values(WordCase{"VerifyOk", VerifyExchange, kOwn, "VERIFYOK", true, true},
                    WordCase{"VerifyFail", VerifyExchange, kOwn, "VERIFYFAIL", true, true},
                    WordCase{"VerifyOkForOtherPc", VerifyExchange, kOtherPc, "VERIFYOK", false,
                             false},
                    WordCase{"VerifyLowerCase", VerifyExchange, kOwn, "verifyok", false, true},
                    WordCase{"VerifyUnknown", VerifyExchange, kOwn, "BUSY", false, true},
                    WordCase{"VerifySetOk", VerifyExchange, kOwn, "SETOK", false, true},
                    WordCase{"SetOk", SetExchange, kOwn, "SETOK", true, true},
                    WordCase{"SetOkForOtherPc", SetExchange, kOtherPc, "SETOK", true, true},
                    WordCase{"SetOkNoAddress", SetExchange, "", "SETOK", true, true},
                    WordCase{"SetOk2", SetExchange, kOwn, "SETOK2", false, true},
                    WordCase{"SetVerifyOk", SetExchange, kOwn, "VERIFYOK", false, true},
                    WordCase{"DiscoveryGetOk", DiscoveryExchange, kOwn, "GETOK", false, true}),
    CaseName<WordCase>);

TEST_F(ExchangeTest, UnknownWordLeavesVerifyWaitingForTheRealAnswer) {
  Start(VerifyExchange());
  Reply(kOwn, "VERIFYOK2");
  m_timer.Fire(50);
  Reply(kOwn, "VERIFYOK");
  EXPECT_EQ(Words(), (std::vector<std::string>{"VERIFYOK2", "VERIFYOK"}));
  ExpectEnded();
  EXPECT_TRUE(m_owner.endOfTime.empty());
}

TEST_F(ExchangeTest, WordsThatAreNotStatusWordsEndByTime) {
  Start(SetExchange());
  Reply(kOwn, "SETOK2");
  Reply(kOwn, "setok");
  m_timer.Fire(301);
  EXPECT_EQ(m_owner.endOfTime, std::vector<bool>{true});
}

TEST_F(ExchangeTest, RepliesDispatchedInsideTheProgressStepAreHandledThere) {
  Start(VerifyExchange());
  m_timer.Fire(10);
  m_owner.onStepProgress = [this] { Reply(kOwn, "VERIFYOK"); };
  m_timer.Fire(1);
  EXPECT_EQ(m_exchange->Ticks(), 10);
  ExpectEnded();
  EXPECT_TRUE(m_owner.endOfTime.empty());
}

// A VERIFY left waiting after an unknown word kept CLIENT_PORT bound when the dialog went on.
TEST_F(ExchangeTest, EndStopsAWaitingExchangeAndFreesThePort) {
  Start(VerifyExchange());
  Reply(kOwn, "HUH");
  m_exchange->End();
  ExpectEnded();
  EXPECT_TRUE(m_owner.endOfTime.empty());

  m_exchange->Start("again", kDevice);
  EXPECT_TRUE(m_network.ClientPortBound());
  EXPECT_EQ(m_network.OpenSockets(), 1);
  EXPECT_EQ(m_exchange->Ticks(), 0);
  m_exchange->End();
  m_exchange->End();  // idle: harmless
  EXPECT_EQ(m_timer.Stops(), 2);
}

TEST_F(ExchangeTest, DestroyingARunningExchangeReleasesTimerAndSocket) {
  Start(VerifyExchange());
  m_exchange.reset();
  EXPECT_FALSE(m_timer.Running());
  EXPECT_EQ(m_network.OpenSockets(), 0);
}

struct FailureCase {
  const char* name;
  bool sendSucceeds;
  ListenError listenError;
  bool socketCounts;    // what the end-of-time decision is told
  const char* message;  // shown when listening failed, or nullptr
};

class ListenFailureTest : public ExchangeTest, public testing::WithParamInterface<FailureCase> {
 protected:
  void FailListening(bool sendSucceeds, ListenError error) {
    m_network.Failures().send = !sendSucceeds;
    m_network.Failures().create = error == ListenError::kCreate;
    m_network.Failures().bind = error == ListenError::kBind;
    m_network.Failures().select = error == ListenError::kSelect;
  }
};

TEST_P(ListenFailureTest, ShowsTheFailureAndRunsOutItsTicks) {
  const FailureCase& c = GetParam();
  FailListening(c.sendSucceeds, c.listenError);
  Start(VerifyExchange());
  EXPECT_EQ(m_exchange->SocketOpen(), c.socketCounts);
  EXPECT_EQ(m_owner.listening, 0);
  ASSERT_EQ(m_owner.messages.size(), c.message ? 1u : 0u);
  if (c.message) {
    EXPECT_EQ(m_owner.messages[0].text, c.message);
  }
  EXPECT_EQ(m_timer.Fire(101), 101);
  EXPECT_EQ(m_owner.endOfTime, std::vector<bool>{c.socketCounts});
  EXPECT_FALSE(m_exchange->SocketOpen());
}

INSTANTIATE_TEST_SUITE_P(Failures, ListenFailureTest,
                         testing::Values(FailureCase{"SendFailed", false, ListenError::kNone, false,
                                                     nullptr},
                                         FailureCase{"CreateFailed", true, ListenError::kCreate,
                                                     false, "Failed to createsock!"},
                                         FailureCase{"BindFailed", true, ListenError::kBind, true,
                                                     "Failed to bind CLIENT_PORT!\nError Code"},
                                         FailureCase{"SelectFailed", true, ListenError::kSelect,
                                                     true, "Fail to select"}),
                         CaseName<FailureCase>);

TEST_F(ExchangeTest, SendFailureKeepsNoListenerAndSaysNothing) {
  m_network.Failures().send = true;
  m_network.Failures().bind = true;
  Start(DiscoveryExchange(), kBroadcastAddress);
  EXPECT_FALSE(m_exchange->SocketOpen());
  EXPECT_EQ(m_network.OpenSockets(), 0);
  EXPECT_TRUE(m_owner.messages.empty());
  EXPECT_EQ(m_owner.listening, 0);
}

// A device that answered within the send was lost while the port was bound only afterwards.
TEST_F(ExchangeTest, AnAnswerArrivingDuringTheSendIsHeard) {
  m_network.AddPeer(std::make_unique<EagerPeer>(m_network, BuildDatagram(kOwn, "VERIFYOK", "")));
  Start(VerifyExchange());
  m_network.RaiseNotification(kReadEvent, 0);
  EXPECT_EQ(Words(), std::vector<std::string>{"VERIFYOK"});
  ExpectEnded();
}

TEST_F(ExchangeTest, NotificationErrorIsShownAndAReadEventStillReads) {
  Start(VerifyExchange());
  m_network.Flood(BuildDatagram(kOwn, "VERIFYOK", ""), kDevice, 1);
  m_network.RaiseNotification(2, 10054);  // not a read event: nothing read
  EXPECT_EQ(m_network.Reads(), 0);
  m_network.RaiseNotification(kReadEvent, 10054);
  const Message expected = messages::NotificationError(2, 10054);
  EXPECT_EQ(expected.text, "WSAAsynch Event # 2, Error: 10054");
  EXPECT_EQ(m_owner.messages,
            (std::vector<Message>{expected, messages::NotificationError(kReadEvent, 10054)}));
  EXPECT_EQ(Words(), std::vector<std::string>{"VERIFYOK"});
}

TEST_F(ExchangeTest, OversizedDatagramIsDropped) {
  Start(DiscoveryExchange(), kBroadcastAddress);
  const std::string body = "sys.hostname=BIG&x=" + std::string(kMaxSettingsLength, 'x');
  const std::string fits = body.substr(0, kMaxSettingsLength);
  m_network.DeliverNow(BuildDatagram(kOwn, "GETOK", fits) + body.substr(fits.size()), kDevice);
  Reply(kOwn, "GETOK", fits);
  ASSERT_EQ(m_owner.replies.size(), 1u);
  EXPECT_EQ(m_owner.replies[0].body.size(), kMaxSettingsLength);
}

TEST_F(ExchangeTest, ReplyAfterTheEndIsNeverRead) {
  Start(DiscoveryExchange(), kBroadcastAddress);
  m_timer.Fire(16);
  Reply(kOwn, "GETOK", "late=1");
  EXPECT_TRUE(m_owner.replies.empty());
}

// An endless stream of datagrams kept the exchange reading and starved its timer.
TEST_F(ExchangeTest, AFloodOfDatagramsStillLetsTheTimerRun) {
  Start(DiscoveryExchange(), kBroadcastAddress);
  m_network.Flood(BuildDatagram(kOwn, "GETOK", ""), "10.0.0.66", 100000);
  m_network.RaiseNotification(kReadEvent, 0);
  EXPECT_GT(m_network.Reads(), 1);
  EXPECT_LT(m_network.Reads(), 1000);
  EXPECT_EQ(m_timer.Fire(16), 16);
  ExpectEnded();
}

}  // namespace
}  // namespace tamberlyx
