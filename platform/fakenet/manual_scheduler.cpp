#include "platform/fakenet/manual_scheduler.h"

#include <algorithm>
#include <climits>

namespace tamberlyx {

Scheduler ManualScheduler::Function() {
  return [this](int delayMs, std::function<void()> task) { Add(delayMs, std::move(task)); };
}

void ManualScheduler::Add(int delayMs, std::function<void()> task) {
  m_tasks.push_back(Task{m_now + std::max(delayMs, 0), m_nextOrder++, std::move(task)});
}

bool ManualScheduler::RunEarliest(int limitMs) {
  const auto earliest = std::ranges::min_element(m_tasks, [](const Task& a, const Task& b) {
    return a.due != b.due ? a.due < b.due : a.order < b.order;
  });
  if (earliest == m_tasks.end() || earliest->due > limitMs) return false;
  const Task task = std::move(*earliest);
  m_tasks.erase(earliest);
  m_now = std::max(m_now, task.due);
  task.run();
  return true;
}

void ManualScheduler::RunDue(int nowMs) {
  while (RunEarliest(nowMs)) {
  }
  m_now = std::max(m_now, nowMs);
}

void ManualScheduler::RunAll() {
  while (RunEarliest(INT_MAX)) {
  }
}

}  // namespace tamberlyx
