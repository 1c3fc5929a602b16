#include <gtest/gtest.h>

#include <memory>

#include "event_loop.h"
#include "platform/net/qt_exchange_timer.h"
#include "platform/net/qt_scheduler.h"

namespace tamberlyx {
namespace {

using testing::RunFor;
using testing::RunUntil;

TEST(QtExchangeTimerTest, TicksUntilStoppedFromInsideATick) {
  QtExchangeTimer timer;
  int ticks = 0;
  timer.Start(5, [&] {
    if (++ticks == 3) timer.Stop();
  });
  EXPECT_TRUE(RunUntil([&] { return !timer.Active(); }));
  RunFor(30);
  EXPECT_EQ(ticks, 3);
}

TEST(QtSchedulerTest, RunsTasksInTheEventLoopAndDropsThemWithTheScheduler) {
  auto scheduler = std::make_unique<QtScheduler>();
  const Scheduler schedule = scheduler->Function();
  bool ran = false;
  bool dropped = true;
  schedule(0, [&] { ran = true; });
  EXPECT_FALSE(ran);
  EXPECT_TRUE(RunUntil([&] { return ran; }));

  schedule(5, [&] { dropped = false; });
  scheduler.reset();
  schedule(0, [&] { dropped = false; });
  RunFor(30);
  EXPECT_TRUE(dropped);
}

}  // namespace
}  // namespace tamberlyx
