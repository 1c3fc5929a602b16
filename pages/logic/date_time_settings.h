#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pages/logic/calendar_value.h"

namespace tamberlyx {

// What the date and time page shows for a settings text.
struct DateTimeView {
  int timeZoneRow = 0;  // index into timeZoneTable
  // What each picker is given; nothing when the picker would refuse it and keeps the PC's
  // current date and time. Both share one date, so a bad date leaves the time picker too.
  std::optional<CalendarValue> date;
  std::optional<CalendarValue> time;
  std::vector<std::string> ntpItems;
  std::optional<std::size_t> ntpSelection;
};

DateTimeView ReadDateTimeView(std::string_view settings);

// What the user left on the page.
struct DateTimeChoice {
  int timeZoneRow = 0;
  CalendarValue date;  // its year, month and day are written
  CalendarValue time;  // its hours, minutes and seconds are written
  std::optional<std::string> ntpItem;
};

// Rewrites, in this order, the time zone, date, time and NTP server entries the settings
// already have; adds none. All or none: false, and nothing written, when the settings would
// pass 999 characters.
bool WriteDateTimeChoice(std::string& settings, const DateTimeChoice& choice);

}  // namespace tamberlyx
