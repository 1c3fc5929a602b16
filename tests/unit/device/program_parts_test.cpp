// The small pieces of the device program: printing, delayed replies, settings files, addresses.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "device/printable.h"
#include "device/reply_schedule.h"
#include "device/settings_file.h"

namespace tamberlyx::device {
namespace {

TEST(PrintableBytes, KeepsPrintableAsciiAndEscapesEverythingElse) {
  const std::pair<std::string, std::string> cases[] = {
      {"255.255.255.255Tamberlyx", "255.255.255.255Tamberlyx"},
      {std::string("a\0b", 3), "a\\x00b"},
      {"tab\there\r\n", "tab\\x09here\\x0D\\x0A"},
      {"back\\slash", "back\\x5Cslash"},
      {"\x7F\xC3\xA9", "\\x7F\\xC3\\xA9"},
      {"", ""},
  };
  for (const auto& [bytes, text] : cases) EXPECT_EQ(PrintableBytes(bytes), text);
}

TEST(ReplySchedule, ReleasesRepliesWhenDueInDueOrder) {
  ReplySchedule schedule;
  const Clock::time_point start{};
  EXPECT_FALSE(schedule.MillisecondsUntilNext(start));
  schedule.Add(start + std::chrono::milliseconds(300), {"late", 0, 1, 1211});
  schedule.Add(start + std::chrono::milliseconds(100), {"first", 0, 1, 1211});
  schedule.Add(start + std::chrono::milliseconds(100), {"second", 0, 1, 1211});
  EXPECT_EQ(schedule.MillisecondsUntilNext(start), 100);
  EXPECT_TRUE(schedule.TakeDue(start + std::chrono::milliseconds(99)).empty());
  const auto due = schedule.TakeDue(start + std::chrono::milliseconds(100));
  ASSERT_EQ(due.size(), 2u);
  EXPECT_EQ(due[0].bytes, "first");
  EXPECT_EQ(due[1].bytes, "second");
  EXPECT_EQ(schedule.MillisecondsUntilNext(start + std::chrono::microseconds(299500)), 1);
  EXPECT_EQ(schedule.MillisecondsUntilNext(start + std::chrono::seconds(1)), 0);
  EXPECT_EQ(schedule.TakeDue(start + std::chrono::seconds(1)).size(), 1u);
  EXPECT_TRUE(schedule.Empty());
}

class SettingsFileTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& content) {
    std::ofstream(m_path, std::ios::binary) << content;
    return m_path;
  }
  void TearDown() override { std::remove(m_path.c_str()); }

 private:
  // ctest runs each case as its own process in parallel: one file per case.
  std::string m_path = ::testing::TempDir() + "device_settings_" +
                       ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt";
};

TEST_F(SettingsFileTest, ReadsATextWithoutItsLineEnd) {
  std::string error;
  EXPECT_EQ(LoadSettingsFile(Write("sys.hostname=NAS&a=1\r\n"), error), "sys.hostname=NAS&a=1");
}

TEST_F(SettingsFileTest, RefusesWhatADeviceWouldNotStore) {
  for (const std::string& content : {std::string(), std::string("no entries"),
                                     "a=" + std::string(998, 'x'), std::string("a=1\nb=2")}) {
    std::string error;
    EXPECT_FALSE(LoadSettingsFile(Write(content), error)) << content.substr(0, 20);
    EXPECT_FALSE(error.empty());
  }
  std::string error;
  EXPECT_FALSE(LoadSettingsFile("/nonexistent/settings.txt", error));
}

}  // namespace
}  // namespace tamberlyx::device
