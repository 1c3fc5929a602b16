#pragma once

#include <string>

#include "protocol/events.h"

namespace tamberlyx {

// One event as one line of a log, in the same words for every program; no timestamp.
std::string EventLine(const Event& event);

}  // namespace tamberlyx
