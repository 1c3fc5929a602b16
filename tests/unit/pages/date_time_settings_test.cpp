#include "pages/logic/date_time_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace tamberlyx {
namespace {

constexpr char kDevice[] =
    "sys.hostname=nas&sys.Time.timeZone=Seoul&date=2008/04/11&time=09:05:00&"
    "sys.Time.ntpServerList=ntpa,ntpb&sys.Time.ntpServer=none&locale=en";

TEST(DateTimeSettings, ReadsWhatThePageShows) {
  const DateTimeView view = ReadDateTimeView(kDevice);
  EXPECT_EQ(view.timeZoneRow, 51);
  EXPECT_EQ(view.date, (CalendarValue{2008, 4, 11}));
  EXPECT_EQ(view.time, (CalendarValue{2008, 4, 11, 9, 5, 0}));
  EXPECT_EQ(view.ntpItems, (std::vector<std::string>{"None", "ntpa", "ntpb"}));
  EXPECT_EQ(view.ntpSelection, 0u);
}

TEST(DateTimeSettings, ABadDateLeavesBothPickersAndAMissingTimeIsMidnight) {
  struct Case {
    const char* settings;
    std::optional<CalendarValue> date, time;
  };
  const Case cases[] = {
      {"time=9:5:0", std::nullopt, std::nullopt},
      {"date=2008/13/45&time=9:5:0", std::nullopt, std::nullopt},
      {"date=2008/4/11", CalendarValue{2008, 4, 11}, CalendarValue{2008, 4, 11}},
      {"date=2008/4/11&time=25:0:0", CalendarValue{2008, 4, 11}, std::nullopt},
  };
  for (const Case& c : cases) {
    const DateTimeView view = ReadDateTimeView(c.settings);
    EXPECT_EQ(view.date, c.date) << c.settings;
    EXPECT_EQ(view.time, c.time) << c.settings;
  }
}

TEST(DateTimeSettings, WritesTheFourEntriesInPlace) {
  std::string settings = kDevice;
  WriteDateTimeChoice(settings, {50, {2010, 1, 2}, {0, 0, 0, 23, 59, 58}, "ntpb"});
  EXPECT_EQ(settings,
            "sys.hostname=nas&sys.Time.timeZone=Osaka&date=2010/01/02&time=23:59:58&"
            "sys.Time.ntpServerList=ntpa,ntpb&sys.Time.ntpServer=ntpb&locale=en");
}

TEST(DateTimeSettings, WritesOnlyKeysTheDeviceReported) {
  std::string settings = "sys.hostname=nas&time=1:2:3";
  WriteDateTimeChoice(settings, {51, {2008, 4, 11}, {0, 0, 0, 9, 5, 0}, "None"});
  EXPECT_EQ(settings, "sys.hostname=nas&time=09:05:00");
}

// Read, then write without changes: a device's own values come back byte for byte.
TEST(DateTimeSettings, UnchangedPageWritesTheSameText) {
  for (const char* settings :
       {kDevice, "sys.Time.timeZone=Mid-Atlantic&date=2008/04/11&time=00:00:00",
        "sys.Time.ntpServerList=a,b&sys.Time.ntpServer=elsewhere.example&date=1999/12/31"}) {
    const DateTimeView view = ReadDateTimeView(settings);
    std::optional<std::string> ntp;
    if (view.ntpSelection) ntp = view.ntpItems[*view.ntpSelection];
    std::string written = settings;
    WriteDateTimeChoice(written,
                        {view.timeZoneRow, *view.date, view.time.value_or(*view.date), ntp});
    EXPECT_EQ(written, settings);
  }
}

std::vector<std::string> Entries(const std::string& text) {
  std::vector<std::string> entries;
  std::size_t begin = 0;
  for (std::size_t end; (end = text.find('&', begin)) != std::string::npos; begin = end + 1) {
    entries.push_back(text.substr(begin, end - begin));
  }
  entries.push_back(text.substr(begin));
  return entries;
}

// Whatever a device reports, the page rewrites only its own four entries, in place.
TEST(DateTimeSettings, RandomSettingsKeepEveryOtherEntry) {
  const std::vector<std::string> keys = {"sys.hostname",
                                         "sys.Time.timeZone",
                                         "date",
                                         "time",
                                         "sys.Time.ntpServerList",
                                         "sys.Time.ntpServer",
                                         "locale",
                                         "x.date",
                                         "timer",
                                         "sys.Time.ntpServerX"};
  const std::string own[] = {"sys.Time.timeZone", "date", "time", "sys.Time.ntpServer"};
  const std::string alphabet = "0123456789/:,=. aAzZ-\x01\x7f\xe9\xff";
  std::mt19937 random(7);
  for (int round = 0; round < 500; ++round) {
    std::string text;
    for (const std::string& key : keys) {
      if (random() % 3 == 0) continue;
      std::string value(random() % (random() % 8 == 0 ? 300 : 12), ' ');
      for (char& c : value) c = alphabet[random() % alphabet.size()];
      text += (text.empty() ? "" : "&") + key + "=" + value;
    }
    const DateTimeView view = ReadDateTimeView(text);
    std::optional<std::string> ntp;
    if (view.ntpSelection) ntp = view.ntpItems.at(*view.ntpSelection);
    std::string written = text;
    WriteDateTimeChoice(written, {view.timeZoneRow, view.date.value_or(CalendarValue{2008, 4, 11}),
                                  view.time.value_or(CalendarValue{}), ntp});

    const std::vector<std::string> before = Entries(text);
    const std::vector<std::string> after = Entries(written);
    ASSERT_EQ(before.size(), after.size()) << text;
    for (std::size_t i = 0; i < before.size(); ++i) {
      const std::string key = before[i].substr(0, before[i].find('='));
      if (std::find(std::begin(own), std::end(own), key) == std::end(own)) {
        EXPECT_EQ(after[i], before[i]) << text;
      } else {
        EXPECT_EQ(after[i].substr(0, key.size() + 1), key + "=") << text;
      }
    }
  }
}

}  // namespace
}  // namespace tamberlyx
