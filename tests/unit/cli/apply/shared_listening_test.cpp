// What lets many exchanges run at once: one listening socket whose answers are handed to the
// device that sent them, and many exchange timers on one.
#include <gtest/gtest.h>

#include <array>

#include "cli/apply/answer_channel.h"
#include "cli/apply/answer_dispatcher.h"
#include "cli/apply/timer_hub.h"
#include "platform/fakenet/fake_network.h"
#include "platform/fakenet/fake_transport.h"
#include "platform/fakenet/manual_scheduler.h"
#include "platform/fakenet/manual_timer.h"
#include "protocol/datagram.h"

namespace tamberlyx::cli {
namespace {

TEST(AnswerDispatcher, HandsEachAnswerToTheDeviceThatSentItAndSearchAnswersToTheSearch) {
  struct Case {
    std::string word, source;
    std::vector<std::string> reached;  // of "search", "fixed" (10.0.0.21), "dhcp" (10.0.0.22)
  };
  const Case cases[] = {
      {"GETOK", "10.0.0.21", {"search"}}, {"VERIFYOK", "10.0.0.21", {"fixed"}},
      {"SETOK", "10.0.0.51", {"fixed"}},  {"SETOK", "10.0.0.22", {"dhcp"}},
      {"SETOK", "10.0.0.99", {"dhcp"}},  // only a device switching to DHCP may hear it
      {"GETOK", "10.0.0.99", {"search"}},
  };
  for (const Case& c : cases) {
    ManualScheduler scheduler;
    FakeNetwork network(scheduler.Function());
    FakeTransport transport(network);
    AnswerDispatcher dispatcher(transport);
    const auto search = dispatcher.Channel(true);
    const auto fixed = dispatcher.Channel(false, OnlyFrom({"10.0.0.21", "10.0.0.51"}));
    AnswerSources dhcpSources = AnyAddress();
    dhcpSources.addresses = {"10.0.0.22"};
    const auto dhcp = dispatcher.Channel(false, dhcpSources);
    std::vector<std::string> reached;
    std::array<std::unique_ptr<Listener>, 3> listeners;
    const std::array<AnswerChannel*, 3> channels{search.get(), fixed.get(), dhcp.get()};
    const std::array<std::string, 3> names{"search", "fixed", "dhcp"};
    for (std::size_t i = 0; i < channels.size(); ++i) {
      listeners[i] = channels[i]
                         ->Listen([&, i](unsigned, unsigned) {
                           while (listeners[i]->Receive()) reached.push_back(names[i]);
                         })
                         .listener;
      ASSERT_TRUE(listeners[i]);
    }
    EXPECT_EQ(network.OpenSockets(), 1);
    network.Inject(BuildDatagram(network.PcAddress(), c.word, ""), c.source);
    scheduler.RunDue(scheduler.Now() + 10);
    EXPECT_EQ(reached, c.reached) << c.word << " from " << c.source;
    for (auto& listener : listeners) listener.reset();
    EXPECT_EQ(network.OpenSockets(), 0) << "closed with the last channel";
  }
}

TEST(TimerHub, TicksEveryRunningTimerOnOneAndStopsItWhenNoneRuns) {
  ManualTimer base;
  TimerHub hub(base);
  const auto first = hub.MakeTimer();
  const auto second = hub.MakeTimer();
  int firstTicks = 0, secondTicks = 0;
  first->Start(50, [&] {
    // Stopped within a round, the other timer does not tick in it.
    if (++firstTicks == 2) second->Stop();
  });
  second->Start(50, [&] { ++secondTicks; });
  base.Fire(3);
  EXPECT_EQ(firstTicks, 3);
  EXPECT_EQ(secondTicks, 1);
  EXPECT_EQ(first->Now(), base.Now());
  first->Stop();
  EXPECT_FALSE(base.Running());
}

}  // namespace
}  // namespace tamberlyx::cli
