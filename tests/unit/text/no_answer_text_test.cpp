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
    EXPECT_EQ(NoAnswerText(c.searched, c.held, c.korean), c.expected);
  }
}

}  // namespace
}  // namespace tamberlyx
