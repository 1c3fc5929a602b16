#include "text/bilingual_text.h"
#include "platform/language/system_language.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <string>

namespace tamberlyx {
namespace {

struct SplitCase {
  const char* name;
  const char* text;
  const char* english;
  const char* korean;
};

class PickLanguageTextTest : public testing::TestWithParam<SplitCase> {};

TEST_P(PickLanguageTextTest, KeepsTheHalfOfEachLanguage) {
  std::string english = GetParam().text;
  PickLanguageText(english, false);
  EXPECT_EQ(english, GetParam().english);
  std::string korean = GetParam().text;
  PickLanguageText(korean, true);
  EXPECT_EQ(korean, GetParam().korean);
}

INSTANTIATE_TEST_SUITE_P(Texts, PickLanguageTextTest,
                         testing::Values(SplitCase{"NoSeparator", "Step 1.", "Step 1.", "Step 1."},
                                         SplitCase{"Halves", "Exit||종료", "Exit", "종료"},
                                         // only the first separator splits
                                         SplitCase{"TwoSeparators", "a||b||c", "a", "b||c"},
                                         SplitCase{"SeparatorFirst", "||only", "", "only"},
                                         SplitCase{"SeparatorLast", "only||", "only", ""},
                                         SplitCase{"Empty", "", "", ""},
                                         SplitCase{"SingleBar", "a|b", "a|b", "a|b"},
                                         // halves are not trimmed
                                         SplitCase{"Untrimmed", "   x|| y ", "   x", " y "}),
                         [](const testing::TestParamInfo<SplitCase>& param) {
                           return std::string(param.param.name);
                         });

struct LocaleCase {
  const char* name;
  LocaleEnvironment environment;
  bool korean;
};

class IsKoreanSystemTest : public testing::TestWithParam<LocaleCase> {};

TEST_P(IsKoreanSystemTest, NeedsKoreanDefaultAndMessagesLanguage) {
  EXPECT_EQ(IsKoreanSystem(GetParam().environment), GetParam().korean) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Environments, IsKoreanSystemTest,
    testing::Values(
        LocaleCase{"nothing set", {}, false},
        LocaleCase{"korean LANG", {"", "", "ko_KR.UTF-8", ""}, true},
        LocaleCase{"bare language code", {"", "", "ko", ""}, true},
        LocaleCase{"legacy encoding", {"", "", "ko_KR.eucKR", ""}, true},
        LocaleCase{"english LANG", {"", "", "en_US.UTF-8", ""}, false},
        LocaleCase{"konkani is not korean", {"", "", "kok_IN", ""}, false},
        LocaleCase{
            "korean default, english messages", {"", "en_US.UTF-8", "ko_KR.UTF-8", ""}, false},
        LocaleCase{
            "english default, korean messages", {"", "ko_KR.UTF-8", "en_US.UTF-8", ""}, false},
        LocaleCase{
            "LC_ALL overrides both", {"ko_KR.UTF-8", "en_US.UTF-8", "en_US.UTF-8", ""}, true},
        LocaleCase{
            "english LC_ALL overrides korean", {"C", "ko_KR.UTF-8", "ko_KR.UTF-8", ""}, false},
        LocaleCase{
            "LANGUAGE first entry names languages", {"", "", "ko_KR.UTF-8", "en_US:ko_KR"}, false},
        LocaleCase{"LANGUAGE korean first", {"", "en_US.UTF-8", "ko_KR.UTF-8", "ko:en"}, true},
        LocaleCase{
            "LANGUAGE does not change the default language", {"", "", "en_US.UTF-8", "ko"}, false}),
    [](const testing::TestParamInfo<LocaleCase>& param) {
      std::string name = param.param.name;
      for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      }
      return name;
    });

class EnvironmentTest : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : kNames) unsetenv(name);
  }
  void TearDown() override { SetUp(); }
  static constexpr const char* kNames[] = {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"};
};

// The language is asked afresh on every call: a program may switch it between texts.
TEST_F(EnvironmentTest, FollowsTheEnvironmentOnEveryCall) {
  setenv("LANG", "ko_KR.UTF-8", 1);
  std::string text = "Setup||설치";
  PickLanguageText(text);
  EXPECT_EQ(text, "설치");

  setenv("LC_MESSAGES", "en_US.UTF-8", 1);
  text = "Setup||설치";
  PickLanguageText(text);
  EXPECT_EQ(text, "Setup");
}

TEST_F(EnvironmentTest, ReadsAllFourVariables) {
  setenv("LC_ALL", "a", 1);
  setenv("LC_MESSAGES", "b", 1);
  setenv("LANG", "c", 1);
  setenv("LANGUAGE", "d:e", 1);
  const LocaleEnvironment environment = ReadLocaleEnvironment();
  EXPECT_EQ(environment.lcAll, "a");
  EXPECT_EQ(environment.lcMessages, "b");
  EXPECT_EQ(environment.lang, "c");
  EXPECT_EQ(environment.language, "d:e");
}

}  // namespace
}  // namespace tamberlyx
