// What the empty list of Step 1 says, in each language: nothing sent, one interface, port free.
#include <gtest/gtest.h>

#include "text/no_answer_text.h"

namespace tamberlyx {
namespace {

TEST(NoAnswerText, NamesTheInterfacesOrThatNothingLeftAndThePortOnlyWhenHeld) {
  struct Case {
    std::vector<std::string> searched;
    bool held;
    bool korean;
    std::string expected;
  };
  const Case cases[] = {
      {{"eth0"}, false, false, "Searched: eth0\nA firewall on this PC must let UDP port 1211 in."},
      {{"eth0"}, false, true, "검색: eth0\n이 PC 방화벽에서 UDP 1211 포트를 허용해야 합니다."},
      {{},
       true,
       false,
       "The search could not be sent.\nA firewall on this PC must let UDP port 1211 in.\nAnother "
       "program holds UDP port 1211."},
      // An interface's name is shown as it is, marks and separators included.
      {{"a%pb", "x||y"},
       false,
       false,
       "Searched: a%pb, x||y\nA firewall on this PC must let UDP port 1211 in."},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NoAnswerText(c.searched, c.searched.size(), c.held, c.korean), c.expected);
  }
}

// Names past `shown` are counted, not named; asking for more names than there are names them all.
TEST(NoAnswerText, CountsTheInterfacesPastTheNamedOnes) {
  const std::vector<std::string> names = {"eth0", "eth1", "eth2", "eth3"};
  struct Case {
    std::size_t shown;
    bool korean;
    std::string searchedLine;
  };
  const Case cases[] = {
      {2, false, "Searched: eth0, eth1 ... and 2 more"},
      {3, true, "검색: eth0, eth1, eth2 ... 외 1개"},
      {0, false, "Searched: ... and 4 more"},
      {4, false, "Searched: eth0, eth1, eth2, eth3"},
      {9, true, "검색: eth0, eth1, eth2, eth3"},
  };
  for (const Case& c : cases) {
    const std::string cut = NoAnswerText(names, c.shown, true, c.korean);
    const std::string whole = NoAnswerText(names, names.size(), true, c.korean);
    const std::size_t cutEnd = cut.find('\n');
    EXPECT_EQ(cut.substr(0, cutEnd), c.searchedLine) << c.shown;
    EXPECT_EQ(cut.substr(cutEnd), whole.substr(whole.find('\n'))) << c.shown;  // the other lines
  }
}

}  // namespace
}  // namespace tamberlyx
