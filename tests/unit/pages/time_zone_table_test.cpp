#include "pages/logic/time_zone_table.h"

#include <gtest/gtest.h>

namespace tamberlyx {
namespace {

TEST(TimeZoneTable, DesignationIsTheFirstWordAfterTheOffset) {
  ASSERT_EQ(TimeZoneRows().size(), 63u);
  struct Case {
    int row;  // 1-based, as the table is numbered
    const char* designation;
  };
  for (const Case c :
       {Case{1, "Eniwetok"}, Case{5, "Pacific"}, Case{19, "Buenos"}, Case{20, "Mid-Atlantic"},
        Case{23, "Greenwich"}, Case{38, "Abu"}, Case{51, "Osaka"}, Case{63, "Fiji"}}) {
    EXPECT_EQ(TimeZoneDesignation(TimeZoneRows()[c.row - 1]), c.designation) << c.row;
  }
}

// A value a row wrote selects that row again, so Next without changes writes it back.
TEST(TimeZoneTable, EveryDesignationLeadsBackToItsRow) {
  const std::vector<std::string_view> rows = TimeZoneRows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(TimeZoneRowFor(TimeZoneDesignation(rows[i])), static_cast<int>(i)) << rows[i];
  }
}

TEST(TimeZoneTable, OtherValuesSelectTheLastRowContainingThem) {
  struct Case {
    const char* value;
    int row;  // 1-based
  };
  for (const Case c : {Case{"Tokyo", 51}, Case{"KST", 1}, Case{"", 1}, Case{"Canada", 14},
                       Case{"(GMT+10:00)", 60}, Case{"seoul", 1}}) {
    EXPECT_EQ(TimeZoneRowFor(c.value) + 1, c.row) << c.value;
  }
}

}  // namespace
}  // namespace tamberlyx
