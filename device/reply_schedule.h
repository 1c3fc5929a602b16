#pragma once

#include <cstdint>
#include <string>

#include "device/due_schedule.h"

namespace tamberlyx::device {

// A reply ready to go out: bytes plus where from and where to (host byte order).
struct PendingSend {
  std::string bytes;
  std::uint32_t source = 0;  // 0: the system chooses
  std::uint32_t destination = 0;
  std::uint16_t port = 0;
};

// Replies held back by a delay.
using ReplySchedule = DueSchedule<PendingSend>;

}  // namespace tamberlyx::device
