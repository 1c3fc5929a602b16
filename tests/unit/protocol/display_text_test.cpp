#include "protocol/display_text.h"

#include <gtest/gtest.h>

namespace tamberlyx {
namespace {

// A name could reorder or hide the characters around it: every bidirectional embedding,
// override and isolate, and every C0 and C1 control, shows as the replacement.
TEST(DisplayText, ReplacesEveryCharacterThatIsNotText) {
  struct Case {
    std::string text;
    std::string shown;
  };
  const Case cases[] = {
      {"NAS-1 <b>&amp;</b>", "NAS-1 <b>&amp;</b>"},                               // markup is text
      {"\xE2\x80\xAA\xE2\x80\xAB\xE2\x80\xAC\xE2\x80\xAD\xE2\x80\xAE", "#####"},  // U+202A-202E
      {"\xE2\x81\xA6\xE2\x81\xA7\xE2\x81\xA8\xE2\x81\xA9", "####"},               // U+2066-2069
      {"a\tb\x7f\xC2\x80\xC2\x9F", "a#b###"},
      {"\xE2\x80\xA9\xE2\x80\xAF", "#\xE2\x80\xAF"},  // paragraph separator; a space is text
      {"\xEC\x84\x9C\xFF", "\xEC\x84\x9C#"},
      {" ~\x1f~\x7f \xE2\x80", " ~#~# ##"},  // printable ASCII is space to ~
  };
  for (const Case& c : cases) EXPECT_EQ(DisplayText(c.text, "#"), c.shown) << c.text;
  EXPECT_EQ(DisplayText("a\xE2\x80\xAE", "\xEF\xBF\xBD"), "a\xEF\xBF\xBD");
}

}  // namespace
}  // namespace tamberlyx
