#include "pages/logic/calendar_value.h"

#include <gtest/gtest.h>

namespace tamberlyx {
namespace {

TEST(CalendarValue, ScansThreeNumbersAndLeavesWhatItDidNotReach) {
  struct Case {
    const char* date;
    const char* time;
    CalendarValue value;
  };
  const Case cases[] = {
      {"2008/4/11", "9:5:0", {2008, 4, 11, 9, 5, 0}},
      {"2008/04/11", "09:05:00", {2008, 4, 11, 9, 5, 0}},
      {" 2008/ 4/+11", "12:30:15pm", {2008, 4, 11, 12, 30, 15}},
      {"2008-4-11", "09:05", {2008, 0, 0, 9, 5, 0}},
      {"2008 /4/11", "9:x:0", {2008, 0, 0, 9, 0, 0}},
      {"", "", {}},
      {"2008/13/45", "-1:75:99", {2008, 13, 45, -1, 75, 99}},
      {"99999999999/1/1", "9:5:99999999999", {0, 0, 0, 9, 5, 0}},
  };
  for (const Case& c : cases) {
    CalendarValue value;
    ScanDate(c.date, value);
    ScanTime(c.time, value);
    EXPECT_EQ(value, c.value) << c.date << " " << c.time;
  }
}

TEST(CalendarValue, PickersTakeRealDatesInTheirRangeAndTwentyFourHourTimes) {
  struct Case {
    CalendarValue value;
    bool taken;
  };
  const Case cases[] = {
      {{2008, 4, 11, 9, 5, 0}, true},
      {{2008, 2, 29}, true},
      {{2000, 2, 29}, true},
      {{2007, 2, 29}, false},
      {{1900, 2, 29}, false},
      {{2008, 4, 31}, false},
      {{2008, 13, 45}, false},
      {{}, false},
      {{1752, 9, 13}, false},
      {{1752, 9, 14}, true},
      {{9999, 12, 31, 23, 59, 59}, true},
      {{10000, 1, 1}, false},
      {{2008, 4, 11, 24, 0, 0}, false},
      {{2008, 4, 11, 9, 60, 0}, false},
      {{2008, 4, 11, 9, 5, -1}, false},
  };
  for (const Case& c : cases) {
    const CalendarValue& v = c.value;
    EXPECT_EQ(IsPickerValue(v), c.taken) << v.year << "/" << v.month << "/" << v.day << " "
                                         << v.hour << ":" << v.minute << ":" << v.second;
  }
}

TEST(CalendarValue, WrittenWithTwoDigitFieldsAndThePlainYear) {
  EXPECT_EQ(FormatDate({2008, 4, 11}), "2008/04/11");
  EXPECT_EQ(FormatDate({9999, 12, 31}), "9999/12/31");
  EXPECT_EQ(FormatTime({2008, 4, 11, 9, 5, 0}), "09:05:00");
  EXPECT_EQ(FormatTime({0, 0, 0, 23, 59, 59}), "23:59:59");
}

}  // namespace
}  // namespace tamberlyx
