#include "pages/logic/ntp_server_list.h"

#include <gtest/gtest.h>

namespace tamberlyx {
namespace {

TEST(NtpServerList, NoneThenTheNonEmptyPartsAsTheyStand) {
  EXPECT_EQ(NtpServerItems("a,,b"), (std::vector<std::string>{"None", "a", "b"}));
  EXPECT_EQ(NtpServerItems(",a , b"), (std::vector<std::string>{"None", "a ", " b"}));
  EXPECT_EQ(NtpServerItems(""), (std::vector<std::string>{"None"}));
}

TEST(NtpServerList, SelectionByPrefixInAnyCaseFromTheThirdItem) {
  const std::vector<std::string> items = NtpServerItems("ntpa,ntpb");
  struct Case {
    const char* server;
    std::optional<std::size_t> selected;
  };
  for (const Case c : {Case{"ntpb", 2}, Case{"NTPB", 2}, Case{"nt", 2}, Case{"ntpa", 1},
                       Case{"none", 0}, Case{"", 0}, Case{"ntpbb", std::nullopt}}) {
    EXPECT_EQ(NtpServerSelection(items, c.server), c.selected) << c.server;
  }
  EXPECT_EQ(NtpServerSelection(NtpServerItems("a,none.pool"), "none"), 2u);
}

TEST(NtpServerList, NoneIsStoredAsLowerCaseAndNoSelectionStoresNothing) {
  EXPECT_EQ(NtpServerValue("None"), "none");
  EXPECT_EQ(NtpServerValue("ntpb"), "ntpb");
  EXPECT_EQ(NtpServerValue(std::nullopt), std::nullopt);
}

}  // namespace
}  // namespace tamberlyx
