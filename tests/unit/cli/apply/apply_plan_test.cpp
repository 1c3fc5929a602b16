// The plan: which record each device of the file is, and what differs.
#include <gtest/gtest.h>

#include "cli/apply/apply_plan.h"
#include "cli/exchange/entry_match.h"

namespace tamberlyx::cli {
namespace {

const std::vector<DeviceRecord> kRecords{
    {"NAS", "sys.hostname=NAS&nwk.mac=02:4C:00:00:00:01&sys.dns=10.0.0.1&locale=en", "10.0.0.11"},
    {"TWIN", "sys.hostname=TWIN&nwk.mac=02:4c:00:00:00:02&sys.dns=10.0.0.1", "10.0.0.12"},
    {"TWIN", "sys.hostname=TWIN&nwk.mac=02:4c:00:00:00:03&sys.dns=10.0.0.1", "10.0.0.13"},
};

Plan PlanFor(const std::string& devices) {
  static std::vector<ApplyFile> files;  // the plan points into its file
  ApplyFileOutcome parsed = ParseApplyFile("{\"devices\": [" + devices + "]}");
  EXPECT_TRUE(parsed.errors.empty()) << devices;
  files.push_back(std::move(parsed.file));
  return MakePlan(files.back(), kRecords, false);
}

TEST(ApplyPlan, FindsEachDeviceOnceAndListsOnlyTheEntriesThatDiffer) {
  struct Case {
    std::string device;
    ApplyResult result;
    std::string address;
    std::string error;
    std::size_t changes;
  };
  const Case cases[] = {
      {R"({"mac": "02:4c:00:00:00:01", "settings": {"sys.dns": "10.0.0.1"}})",
       ApplyResult::kUnchanged, "10.0.0.11", "", 0},
      {R"({"address": "10.0.0.12", "settings": {"sys.dns": "10.0.0.2", "sys.hostname": "TWIN"}})",
       ApplyResult::kChanged, "10.0.0.12", "", 1},
      {R"({"name": "NAS", "settings": {"sys.hostname": "ARCHIVE"}})", ApplyResult::kChanged,
       "10.0.0.11", "", 1},
      {R"({"name": "nas", "settings": {}})", ApplyResult::kFailed, "", "not found", 0},
      {R"({"name": "TWIN", "settings": {}})", ApplyResult::kFailed, "",
       "2 devices answered to name TWIN", 0},
  };
  for (const Case& c : cases) {
    const Plan plan = PlanFor(c.device);
    ASSERT_EQ(plan.devices.size(), 1u);
    EXPECT_TRUE(plan.refusals.empty());
    const PlannedDevice& planned = plan.devices[0];
    EXPECT_EQ(planned.result, c.result) << c.device;
    EXPECT_EQ(planned.address, c.address) << c.device;
    EXPECT_EQ(planned.error, c.error) << c.device;
    EXPECT_EQ(planned.changes.size(), c.changes) << c.device;
  }
}

TEST(ApplyPlan, OneDeviceNamedTwiceFailsTheSecondAndUnreportedKeysAreRefusedAtTheirPlace) {
  const Plan twice = PlanFor(R"({"name": "NAS", "settings": {"sys.dns": "1.1.1.1"}},
    {"mac": "02:4c:00:00:00:01", "settings": {"sys.dns": "1.1.1.2"}})");
  EXPECT_EQ(twice.devices[0].result, ApplyResult::kChanged);
  EXPECT_EQ(twice.devices[0].buffers->newSettings,
            "sys.hostname=NAS&nwk.mac=02:4C:00:00:00:01&sys.dns=1.1.1.1&locale=en");
  EXPECT_EQ(twice.devices[1].result, ApplyResult::kFailed);
  EXPECT_EQ(twice.devices[1].error, "the same device as name NAS");

  const Plan refused = PlanFor(R"({"name": "NAS", "settings": {"sys.dns": "1", "x.y": "2"}})");
  ASSERT_EQ(refused.refusals.size(), 1u);
  EXPECT_EQ(refused.refusals[0].text, "name NAS does not report the key \"x.y\"");
  EXPECT_EQ(refused.refusals[0].at, (TextPosition{1, 59}));
}

TEST(EntryMatch, DateAndTimeWithinTheToleranceEverythingElseExactly) {
  struct Case {
    std::string key, reported, written;
    bool holds;
  };
  const Case cases[] = {
      {"sys.hostname", "NAS", "NAS", true},        {"sys.hostname", "NAS", "nas", false},
      {"time", "10:00:30", "10:00:00", true},      {"time", "10:02:00", "10:00:00", false},
      {"time", "00:00:20", "23:59:50", true},      {"time", "nonsense", "10:00:00", false},
      {"date", "2026/12/10", "2026/12/9", true},   {"date", "2026/12/12", "2026/12/09", false},
      {"date", "2026/13/01", "2026/12/31", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HoldsValue(c.key, c.reported, c.written, kClockTolerance), c.holds)
        << c.key << " " << c.reported << " " << c.written;
  }
}

}  // namespace
}  // namespace tamberlyx::cli
