#include "pages/logic/date_time_settings.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace tamberlyx {
namespace {

TEST(DateTimeSettings, ABadDateLeavesBothPickersAndAMissingTimeIsMidnight) {
  struct Case {
    const char* settings;
    std::optional<CalendarValue> date, time;
  };
  for (const Case& c : {Case{"time=9:5:0", std::nullopt, std::nullopt},
                        Case{"date=2008/13/45&time=9:5:0", std::nullopt, std::nullopt},
                        Case{"date=2008/4/11", {{2008, 4, 11}}, {{2008, 4, 11}}},
                        Case{"date=2008/4/11&time=25:0:0", {{2008, 4, 11}}, std::nullopt}}) {
    const DateTimeView view = ReadDateTimeView(c.settings);
    EXPECT_EQ(view.date, c.date) << c.settings;
    EXPECT_EQ(view.time, c.time) << c.settings;
  }
}

// Whatever a device reports, the page rewrites its own four entries in place, adds none and
// leaves every other entry as it was.
TEST(DateTimeSettings, RandomSettingsKeepEveryOtherEntry) {
  const std::map<std::string, std::string> own = {{"sys.Time.timeZone", "Seoul"},
                                                  {"date", "2008/04/11"},
                                                  {"time", "09:05:00"},
                                                  {"sys.Time.ntpServer", "ntpb"}};
  const std::string keys[] = {
      "sys.hostname",           "sys.Time.timeZone",  "date",  "x.date", "time",
      "sys.Time.ntpServerList", "sys.Time.ntpServer", "locale"};
  const std::string alphabet = "0123456789/:,=. aAzZ-\x01\x7f\xe9\xff";
  std::mt19937 random(7);
  for (int round = 0; round < 500; ++round) {
    std::string text, expected;
    for (const std::string& key : keys) {
      if (random() % 3 == 0) continue;
      std::string value(random() % (random() % 8 == 0 ? 80 : 12), ' ');
      for (char& c : value) c = alphabet[random() % alphabet.size()];
      const std::string separator = text.empty() ? "" : "&";
      text += separator + key + "=" + value;
      expected += separator + key + "=" + (own.contains(key) ? own.at(key) : value);
    }
    WriteDateTimeChoice(text, {51, {2008, 4, 11}, {0, 0, 0, 9, 5, 0}, "ntpb"});
    EXPECT_EQ(text, expected);
  }
}

}  // namespace
}  // namespace tamberlyx
