#pragma once

#include <functional>

namespace tamberlyx::testing {

// Runs the Qt event loop until `done` holds or `timeoutMs` passed; returns `done()`.
bool RunUntil(const std::function<bool()>& done, int timeoutMs = 2000);
// Runs the Qt event loop for `ms`.
void RunFor(int ms);

}  // namespace tamberlyx::testing
