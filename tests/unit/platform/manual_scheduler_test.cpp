#include "platform/fakenet/manual_scheduler.h"

#include <gtest/gtest.h>

#include <string>

namespace tamberlyx {
namespace {

TEST(ManualSchedulerTest, RunsDueTasksEarliestFirstTiesInOrderNestedFromTheirOwnTime) {
  ManualScheduler scheduler;
  const Scheduler schedule = scheduler.Function();
  std::string ran;
  schedule(30, [&] { ran += 'd'; });
  schedule(10, [&] {
    ran += 'a';
    schedule(5, [&] { ran += 'c'; });  // due at 15
  });
  schedule(10, [&] { ran += 'b'; });
  schedule(31, [&] { ran += 'e'; });

  scheduler.RunDue(30);
  EXPECT_EQ(ran, "abcd");
  EXPECT_EQ(scheduler.Now(), 30);
  scheduler.RunAll();
  EXPECT_EQ(ran, "abcde");
}

}  // namespace
}  // namespace tamberlyx
