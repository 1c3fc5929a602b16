#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/net/scheduler.h"

namespace tamberlyx {

// A clock that moves only when the test says so. Must outlive whatever holds Function().
class ManualScheduler {
 public:
  Scheduler Function();
  // Runs every task due at or before `nowMs`, earliest first (ties in the order scheduled),
  // including tasks those tasks schedule; then the clock stands at `nowMs`.
  void RunDue(int nowMs);
  // Runs every task, however late, moving the clock along.
  void RunAll();

  int Now() const { return m_now; }
  std::size_t Pending() const { return m_tasks.size(); }

 private:
  struct Task {
    int due;
    std::uint64_t order;
    std::function<void()> run;
  };
  void Add(int delayMs, std::function<void()> task);
  // Runs the earliest task if it is due by `limitMs`; false when none is.
  bool RunEarliest(int limitMs);

  std::vector<Task> m_tasks;
  std::uint64_t m_nextOrder = 0;
  int m_now = 0;
};

}  // namespace tamberlyx
