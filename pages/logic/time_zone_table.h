#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tamberlyx {

// The time zones the date and time page offers, in the order shown, then the end marker that
// readers stop at (it is never shown).
inline constexpr int kTimeZoneRows = 63;
inline constexpr char kTimeZoneTableEnd[] = "EOF";
extern const std::array<const char*, kTimeZoneRows + 1> timeZoneTable;

// The rows before the end marker.
std::vector<std::string_view> TimeZoneRows();

// What a device stores for a row: the first word after ") ", cut at a comma ("Osaka" for
// "(GMT+09:00) Osaka, Sapporo, Tokyo"). The offset is not written.
std::string TimeZoneDesignation(std::string_view row);

// The row (0-based) a stored value selects: the row whose designation is the value, else the
// last row whose text contains it, else the first row. "Atlantic" is also inside
// "Mid-Atlantic" and "" inside every row, so containment alone would not lead back.
int TimeZoneRowFor(std::string_view value);

}  // namespace tamberlyx
