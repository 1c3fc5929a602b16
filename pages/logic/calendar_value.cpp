#include "pages/logic/calendar_value.h"

#include <array>
#include <cstdio>
#include <limits>
#include <optional>
#include <tuple>

namespace tamberlyx {
namespace {

constexpr int kLatestYear = 9999;

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// One decimal number from `pos` on, as a scan's "%d" reads it; nothing when no digit follows
// or the number does not fit an int.
std::optional<int> ScanNumber(std::string_view text, std::size_t& pos) {
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  const bool negative = pos < text.size() && text[pos] == '-';
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) ++pos;
  if (pos >= text.size() || text[pos] < '0' || text[pos] > '9') return std::nullopt;
  long long number = 0;
  for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
    number = number * 10 + (text[pos] - '0');
    if (number > std::numeric_limits<int>::max()) return std::nullopt;
  }
  return static_cast<int>(negative ? -number : number);
}

void ScanThree(std::string_view text, char separator, const std::array<int*, 3>& fields) {
  std::size_t pos = 0;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) {
      if (pos >= text.size() || text[pos] != separator) return;
      ++pos;
    }
    const std::optional<int> number = ScanNumber(text, pos);
    if (!number) return;
    *fields[i] = *number;
  }
}

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

bool IsCalendarDate(const CalendarValue& v) {
  if (v.year < kEarliestPickerDate.year || v.year > kLatestYear) return false;
  if (v.month < 1 || v.month > 12 || v.day < 1 || v.day > DaysInMonth(v.year, v.month)) {
    return false;
  }
  return std::tie(v.year, v.month, v.day) >=
         std::tie(kEarliestPickerDate.year, kEarliestPickerDate.month, kEarliestPickerDate.day);
}

template <class... Args>
std::string Format(const char* format, Args... args) {
  std::array<char, 64> buffer{};
  std::snprintf(buffer.data(), buffer.size(), format, args...);
  return buffer.data();
}

}  // namespace

void ScanDate(std::string_view text, CalendarValue& value) {
  ScanThree(text, '/', {&value.year, &value.month, &value.day});
}

void ScanTime(std::string_view text, CalendarValue& value) {
  ScanThree(text, ':', {&value.hour, &value.minute, &value.second});
}

bool IsPickerValue(const CalendarValue& value) {
  return IsCalendarDate(value) && value.hour >= 0 && value.hour < 24 && value.minute >= 0 &&
         value.minute < 60 && value.second >= 0 && value.second < 60;
}

std::string FormatDate(const CalendarValue& value) {
  return Format("%d/%02d/%02d", value.year, value.month, value.day);
}

std::string FormatTime(const CalendarValue& value) {
  return Format("%02d:%02d:%02d", value.hour, value.minute, value.second);
}

}  // namespace tamberlyx
