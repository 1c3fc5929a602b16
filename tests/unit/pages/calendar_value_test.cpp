#include "pages/logic/calendar_value.h"

#include <gtest/gtest.h>

namespace tamberlyx {
namespace {

TEST(CalendarValue, ScansThreeNumbersAndLeavesWhatItDidNotReach) {
  struct Case {
    const char *date, *time;
    CalendarValue value;
  };
  for (const Case& c :
       {Case{"2008/4/11", "9:5:0", {2008, 4, 11, 9, 5, 0}},
        Case{" 2008/ 4/+11", "12:30:15pm", {2008, 4, 11, 12, 30, 15}},
        Case{"2008-4-11", "9:x:0", {2008, 0, 0, 9, 0, 0}}, Case{"99999999999/1/1", "", {}}}) {
    CalendarValue value;
    ScanDate(c.date, value);
    ScanTime(c.time, value);
    EXPECT_EQ(value, c.value) << c.date << " " << c.time;
  }
}

TEST(CalendarValue, PickersTakeRealDatesInTheirRangeAndTwentyFourHourTimes) {
  for (const CalendarValue v :
       {CalendarValue{2000, 2, 29}, {1752, 9, 14}, {9999, 12, 31, 23, 59, 59}}) {
    EXPECT_TRUE(IsPickerValue(v)) << v.year << "/" << v.month << "/" << v.day;
  }
  for (const CalendarValue v : {CalendarValue{},
                                {1900, 2, 29},
                                {2008, 4, 31},
                                {2008, 13, 45},
                                {1752, 9, 13},
                                {10000, 1, 1},
                                {2008, 4, 11, 24},
                                {2008, 4, 11, 9, 5, -1}}) {
    EXPECT_FALSE(IsPickerValue(v)) << v.year << "/" << v.month << "/" << v.day << " " << v.hour;
  }
}

}  // namespace
}  // namespace tamberlyx
