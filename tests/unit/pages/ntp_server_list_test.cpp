#include "pages/logic/ntp_server_list.h"

#include <gtest/gtest.h>

namespace tamberlyx {
namespace {

using Items = std::vector<std::string>;

TEST(NtpServerList, NoneThenTheNamesOfTheList) {
  struct Case {
    const char* list;
    Items items;
  };
  for (const Case& c : {Case{"", {"None"}}, Case{"ntpa,ntpb", {"None", "ntpa", "ntpb"}},
                        Case{"a,,b", {"None", "a", "b"}}, Case{",a,", {"None", "a"}},
                        Case{" a , b", {"None", " a ", " b"}}}) {
    EXPECT_EQ(NtpServerItems(c.list), c.items) << c.list;
  }
}

TEST(NtpServerList, SelectionByPrefixInAnyCaseFromTheThirdItem) {
  struct Case {
    const char* list;
    const char* server;
    std::optional<std::size_t> selected;
  };
  const Case cases[] = {
      {"ntpa,ntpb", "ntpb", 2},   {"ntpa,ntpb", "NTPB", 2},
      {"ntpa,ntpb", "nt", 2},     {"ntpa,ntpb", "ntpa", 1},
      {"ntpa,ntpb", "none", 0},   {"ntpa,ntpb", "", 0},
      {"ntpa,ntpb", "None", 0},   {"ntpa,ntpb", "ntpbb", std::nullopt},
      {"", "ntpa", std::nullopt}, {"", "none", 0},
      {"a,none.pool", "none", 2},  // the search starts at the third item
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NtpServerSelection(NtpServerItems(c.list), c.server), c.selected)
        << c.list << " / " << c.server;
  }
}

TEST(NtpServerList, NoneIsStoredAsLowerCaseAndNoSelectionStoresNothing) {
  EXPECT_EQ(NtpServerValue("None"), "none");
  EXPECT_EQ(NtpServerValue("ntpb"), "ntpb");
  EXPECT_EQ(NtpServerValue("none"), "none");
  EXPECT_EQ(NtpServerValue(std::nullopt), std::nullopt);
}

}  // namespace
}  // namespace tamberlyx
