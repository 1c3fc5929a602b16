#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fakenet/fake_network.h"
#include "platform/fakenet/fake_transport.h"
#include "platform/fakenet/manual_scheduler.h"
#include "platform/fakenet/manual_timer.h"
#include "platform/fakenet/recording_owner.h"
#include "protocol/constants.h"
#include "protocol/datagram.h"
#include "protocol/events.h"
#include "protocol/exchange.h"

namespace tamberlyx {
namespace {

constexpr char kOwn[] = "192.168.1.5";
constexpr char kDevice[] = "192.168.1.20";

class RecordingSink : public EventSink {
 public:
  RecordingSink() { SetEventSink(this); }
  ~RecordingSink() override { SetEventSink(nullptr); }
  void Report(const Event& event) override { events.push_back(event); }
  std::vector<Event> Of(EventKind kind) const {
    std::vector<Event> found;
    for (const Event& event : events) {
      if (event.kind == kind) found.push_back(event);
    }
    return found;
  }
  std::vector<Event> events;
};

class ExchangeEventsTest : public testing::Test {
 protected:
  ExchangeEventsTest() { m_network.SetOwnAddresses({kOwn}); }
  void Start(std::string_view request) {
    m_exchange = std::make_unique<Exchange>(VerifyExchange(), m_transport, m_timer, m_owner, 7);
    m_owner.exchange = m_exchange.get();
    m_exchange->Start(request, kDevice);
  }

  RecordingSink m_sink;
  ManualScheduler m_scheduler;
  FakeNetwork m_network{m_scheduler.Function()};
  FakeTransport m_transport{m_network};
  ManualTimer m_timer;
  RecordingOwner m_owner;
  std::unique_ptr<Exchange> m_exchange;
};

TEST_F(ExchangeEventsTest, EachDroppedAnswerIsOneEventWithItsReason) {
  struct Case {
    const char* what;
    std::string bytes;
    const char* source;
    DropReason reason;
  } cases[] = {
      {"a third host", BuildDatagram(kOwn, kWordVerifyOk, ""), "192.168.1.99",
       DropReason::kOtherSource},
      {"cut on the way", std::string(kMaxDatagramLength + 1, 'x'), kDevice, DropReason::kTooLong},
      {"for another PC", BuildDatagram("192.168.1.77", kWordVerifyOk, ""), kDevice,
       DropReason::kNotForThisPc},
  };
  for (const Case& c : cases) {
    m_sink.events.clear();
    Start("request");
    m_network.DeliverNow(c.bytes, c.source);
    const std::vector<Event> dropped = m_sink.Of(EventKind::kAnswerDropped);
    ASSERT_EQ(dropped.size(), 1U) << c.what;
    EXPECT_EQ(dropped[0].reason, c.reason) << c.what;
    EXPECT_EQ(dropped[0].address, c.source) << c.what;
    EXPECT_EQ(dropped[0].length, c.bytes.size()) << c.what;
    EXPECT_TRUE(m_sink.Of(EventKind::kAnswerAccepted).empty()) << c.what;
  }
}

TEST_F(ExchangeEventsTest, AnswersWaitingWhenTheWindowClosesAreEachDroppedAsLate) {
  Start("request");
  m_network.Flood(BuildDatagram(kOwn, kWordVerifyOk, ""), kDevice, 3);
  m_network.RaiseNotification(kReadEvent, 0);
  EXPECT_EQ(m_sink.Of(EventKind::kAnswerAccepted).size(), 1U);
  const std::vector<Event> late = m_sink.Of(EventKind::kAnswerDropped);
  ASSERT_EQ(late.size(), 2U);
  EXPECT_EQ(late[1].reason, DropReason::kAfterWindow);
  ASSERT_EQ(m_sink.Of(EventKind::kWindowClosed).size(), 1U);
  EXPECT_EQ(m_sink.Of(EventKind::kWindowClosed)[0].count, 1U);
}

// An owner that has heard enough ends the window there, as its last tick would.
TEST_F(ExchangeEventsTest, AWindowItsOwnerHasHeardEnoughOfClosesAsAtItsEndOfTime) {
  m_owner.heardEnough = [this] { return m_owner.replies.size() == 2; };
  Exchange exchange(DiscoveryExchange(), m_transport, m_timer, m_owner, 7);
  exchange.Start("request", kBroadcastAddress);
  m_network.Flood(BuildDatagram(kOwn, kWordGetOk, ""), kDevice, 3);
  m_network.RaiseNotification(kReadEvent, 0);
  EXPECT_FALSE(exchange.Running());
  EXPECT_FALSE(m_timer.Running());
  EXPECT_EQ(m_owner.replies.size(), 2U);
  EXPECT_EQ(m_owner.endOfTime, std::vector<bool>{true});
  ASSERT_EQ(m_sink.Of(EventKind::kWindowClosed).size(), 1U);
  EXPECT_EQ(m_sink.Of(EventKind::kWindowClosed)[0].count, 2U);
  const std::vector<Event> late = m_sink.Of(EventKind::kAnswerDropped);
  ASSERT_EQ(late.size(), 1U);
  EXPECT_EQ(late[0].reason, DropReason::kAfterWindow);
}

TEST_F(ExchangeEventsTest, NoPasswordAndNoSettingsValueInAnyEvent) {
  Start(BuildDatagram(kDevice, kWordVerify, "passwd=s3cret"));
  m_network.DeliverNow(BuildDatagram(kOwn, kWordVerifyOk, "sys.hostname=vault&nwk.ip=10.0.0.9"),
                       kDevice);
  EXPECT_EQ(SafeBody(kWordVerify, "passwd=s3cret"), "passwd=(hidden)");
  EXPECT_EQ(SafeBody(kWordSet, "sys.hostname=vault&admin.pw=s3cret"), "sys.hostname,admin.pw");
  EXPECT_EQ(SafeBody(kWordGetOk, "a\x1b[2J=1"), "a?[2J");
  // What leaves: a password check and a save, as the transport reports them.
  const Event verify =
      DatagramEvent(EventKind::kSent, BuildDatagram(kDevice, kWordVerify, "passwd=s3cret"), kDevice,
                    DEVICE_PORT, "eth0");
  EXPECT_EQ(verify.detail, "passwd=(hidden)");
  EXPECT_EQ(verify.word, kWordVerify);
  const Event set = DatagramEvent(EventKind::kSent,
                                  BuildDatagram(kDevice, kWordSet, "sys.hostname=vault&x=s3cret"),
                                  kDevice, DEVICE_PORT);
  EXPECT_EQ(set.detail, "sys.hostname,x");
  for (const Event& event : m_sink.events) {
    for (const std::string* text : {&event.detail, &event.word, &event.address}) {
      EXPECT_EQ(text->find("s3cret"), std::string::npos);
      EXPECT_EQ(text->find("vault"), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace tamberlyx
