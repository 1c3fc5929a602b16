#include "cli/exchange/setting_assignment.h"

#include <gtest/gtest.h>

namespace tamberlyx::cli {
namespace {

TEST(ParseAssignment, SplitsAtTheFirstEquals) {
  struct Case {
    std::string_view argument;
    std::string key, value;
  };
  for (const Case& c : {Case{"k=v", "k", "v"}, Case{"k=x=y", "k", "x=y"}, Case{"k=", "k", ""}}) {
    const AssignmentOutcome outcome = ParseAssignment(c.argument);
    ASSERT_TRUE(outcome.assignment) << c.argument;
    EXPECT_EQ(outcome.assignment->key, c.key);
    EXPECT_EQ(outcome.assignment->value, c.value);
  }
  for (std::string_view bad : {"=v", "k", "", "k=a&b", "k&j=v"}) {
    EXPECT_FALSE(ParseAssignment(bad).assignment) << bad;
  }
}

// A key and value given apart are refused, in the same words, as their written form is.
TEST(CheckAssignment, RefusesAPairAsItsWrittenFormIsRefused) {
  struct Case {
    std::string key, value, error;
  };
  const Case cases[] = {
      {"", "v", "expected KEY=VALUE, got \"=v\""},
      {"k", "a&b", "\"&\" separates entries and cannot be part of \"k=a&b\""},
      {"k&j", "v", "\"&\" separates entries and cannot be part of \"k&j=v\""},
      {"locale", "en", "locale follows the system language and cannot be set"},
      {"k", "x=y", ""},
  };
  for (const Case& c : cases) {
    const AssignmentOutcome pair = CheckAssignment(c.key, c.value);
    const AssignmentOutcome written = ParseAssignment(c.key + "=" + c.value);
    EXPECT_EQ(pair.error, c.error) << c.key;
    EXPECT_EQ(written.error, c.error) << c.key;
    EXPECT_EQ(pair.assignment.has_value(), c.error.empty());
    if (pair.assignment) {
      EXPECT_EQ(pair.assignment->value, c.value);
    }
  }
}

constexpr char kSettings[] = "sys.hostname=OLD&nwk.bootproto=none&nwk.ipaddr=10.0.0.2&x.y=1";

TEST(ApplyAssignments, ReplacesEveryEntryAndNothingElse) {
  std::string settings = kSettings;
  EXPECT_EQ(ApplyAssignments(settings, {{"sys.hostname", "NEW"}, {"nwk.bootproto", "dhcp"}}), "");
  EXPECT_EQ(settings, "sys.hostname=NEW&nwk.bootproto=dhcp&nwk.ipaddr=10.0.0.2&x.y=1");
}

TEST(ApplyAssignments, RefusalLeavesTheSettingsUntouched) {
  struct Case {
    std::vector<SettingAssignment> assignments;
    std::string_view errorPart;
  };
  const Case cases[] = {
      // The first entry would apply; the second key was never reported.
      {{{"sys.hostname", "NEW"}, {"sys.dns", "10.0.0.1"}}, "sys.dns"},
      // "hostname" is only the tail of a reported key.
      {{{"hostname", "NEW"}}, "hostname"},
      {{{"x.y", std::string(990, 'v')}}, "999"},
  };
  for (const Case& c : cases) {
    std::string settings = kSettings;
    const std::string error = ApplyAssignments(settings, c.assignments);
    EXPECT_NE(error.find(c.errorPart), std::string::npos) << error;
    EXPECT_EQ(settings, kSettings);
  }
}

}  // namespace
}  // namespace tamberlyx::cli
