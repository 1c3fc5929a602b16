#pragma once

#include <functional>

namespace tamberlyx {

// Runs `task` once, `delayMs` from now, on the thread that owns the event loop.
using Scheduler = std::function<void(int delayMs, std::function<void()> task)>;

}  // namespace tamberlyx
