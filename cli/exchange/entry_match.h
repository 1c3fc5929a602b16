#pragma once

#include <chrono>
#include <string_view>

namespace tamberlyx::cli {

// How far a device's clock may have moved from a date or time the file gives before the entry
// counts as different.
inline constexpr std::chrono::seconds kClockTolerance{60};

// Whether a device reporting `reported` for `key` holds `written`: exactly, except the date and
// the time, which the device's clock moves on: those within `tolerance` (the date within a day,
// as midnight may have passed).
bool HoldsValue(std::string_view key, std::string_view reported, std::string_view written,
                std::chrono::seconds tolerance);

}  // namespace tamberlyx::cli
