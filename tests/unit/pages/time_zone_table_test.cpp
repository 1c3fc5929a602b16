#include "pages/logic/time_zone_table.h"

#include <gtest/gtest.h>

namespace tamberlyx {
namespace {

TEST(TimeZoneTable, SixtyThreeRowsThenTheEndMarker) {
  const std::vector<std::string_view> rows = TimeZoneRows();
  ASSERT_EQ(rows.size(), 63u);
  EXPECT_EQ(rows.front(), "(GMT-12:00) Eniwetok, Kwajalein");
  EXPECT_EQ(rows[51], "(GMT+09:00) Seoul");
  EXPECT_EQ(rows.back(), "(GMT+12:00) Fiji, Kamchatka, Marshall Is.");
  EXPECT_STREQ(timeZoneTable.back(), "EOF");
}

TEST(TimeZoneTable, DesignationIsTheFirstWordAfterTheOffset) {
  struct Case {
    int row;  // 1-based, as the table is numbered
    const char* designation;
  };
  for (const Case c :
       {Case{1, "Eniwetok"}, Case{3, "Hawaii"}, Case{5, "Pacific"}, Case{9, "Mexico"},
        Case{14, "Atlantic"}, Case{19, "Buenos"}, Case{20, "Mid-Atlantic"}, Case{21, "Azores"},
        Case{22, "Casablanca"}, Case{23, "Greenwich"}, Case{38, "Abu"}, Case{51, "Osaka"},
        Case{52, "Seoul"}, Case{57, "Canberra"}}) {
    EXPECT_EQ(TimeZoneDesignation(TimeZoneRows()[c.row - 1]), c.designation) << c.row;
  }
  EXPECT_EQ(TimeZoneDesignation("no offset"), "");
  EXPECT_EQ(TimeZoneDesignation("(GMT)   Far,away"), "Far");
}

// A value a row wrote selects that row again, so Next without changes writes it back.
TEST(TimeZoneTable, EveryDesignationLeadsBackToItsRow) {
  const std::vector<std::string_view> rows = TimeZoneRows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(TimeZoneRowFor(TimeZoneDesignation(rows[i])), static_cast<int>(i)) << rows[i];
  }
}

TEST(TimeZoneTable, ValueSelectsExactDesignationElseLastRowContainingIt) {
  struct Case {
    const char* value;
    int row;  // 1-based
  };
  for (const Case c : {Case{"Seoul", 52}, Case{"Tokyo", 51}, Case{"KST", 1}, Case{"Atlantic", 14},
                       Case{"", 1}, Case{"Sydney", 57}, Case{"Canada", 14}, Case{"Is.", 63},
                       Case{"(GMT+10:00)", 60}, Case{"seoul", 1}}) {
    EXPECT_EQ(TimeZoneRowFor(c.value) + 1, c.row) << c.value;
  }
}

}  // namespace
}  // namespace tamberlyx
