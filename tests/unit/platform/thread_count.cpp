#include "thread_count.h"

#include <filesystem>
#include <iterator>
#include <thread>

namespace tamberlyx::testing {

int ThreadCount() {
  static const bool warmedUp = [] {
    std::thread([] {}).join();
    return true;
  }();
  (void)warmedUp;
  const std::filesystem::directory_iterator tasks("/proc/self/task");
  return static_cast<int>(std::distance(begin(tasks), end(tasks)));
}

}  // namespace tamberlyx::testing
