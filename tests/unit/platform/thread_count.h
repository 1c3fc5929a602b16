#pragma once

namespace tamberlyx::testing {

// Threads of this process now. A sanitizer's own helper thread is started first, so that it
// does not count as one a test left behind.
int ThreadCount();

}  // namespace tamberlyx::testing
