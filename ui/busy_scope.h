#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

namespace tamberlyx {

// For work that holds the event loop for seconds (network waits on the user-interface thread):
// a wait cursor meanwhile, and whatever the user typed or clicked in that time falls on
// disabled windows when the scope ends, instead of acting on what comes after.
class BusyScope {
 public:
  BusyScope();
  ~BusyScope();
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  std::vector<QPointer<QWidget>> m_disabled;
};

}  // namespace tamberlyx
