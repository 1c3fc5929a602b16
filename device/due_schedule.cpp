#include "device/due_schedule.h"

#include <algorithm>

namespace tamberlyx::device {

int MillisecondsUntil(Clock::time_point due, Clock::time_point now) {
  // Round up so the loop does not wake just before the item is due and spin.
  const auto ms = std::chrono::ceil<std::chrono::milliseconds>(due - now).count();
  return static_cast<int>(std::clamp<long long>(ms, 0, 24 * 3600 * 1000));
}

}  // namespace tamberlyx::device
