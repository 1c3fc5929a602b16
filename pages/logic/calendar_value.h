#pragma once

#include <string>
#include <string_view>

namespace tamberlyx {

// A date and time of day as a date or time picker holds it; all zero until something is read.
struct CalendarValue {
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0;
  bool operator==(const CalendarValue&) const = default;
};

// The earliest date a picker holds; the latest is 31 December 9999.
inline constexpr CalendarValue kEarliestPickerDate{1752, 9, 14};

// Reads "year/month/day" and "hours:minutes:seconds" as three decimal numbers each (optional
// blanks and sign before a number). Reading stops at the first thing that does not fit; the
// fields it did not reach keep their values.
void ScanDate(std::string_view text, CalendarValue& value);
void ScanTime(std::string_view text, CalendarValue& value);

// Whether a picker accepts the value: a real calendar date within the pickers' range and a time
// of day on a 24-hour clock. A picker given anything else keeps what it held.
bool IsPickerValue(const CalendarValue& value);

// "2008/04/11" (the year as it is, month and day in two digits) and "09:05:00".
std::string FormatDate(const CalendarValue& value);
std::string FormatTime(const CalendarValue& value);

}  // namespace tamberlyx
