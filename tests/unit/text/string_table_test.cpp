#include "text/string_table.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/language/system_language.h"
#include "text/bilingual_text.h"

namespace tamberlyx {
namespace {

TEST(StringTableTest, HoldsEveryIdFrom103To186) {
  for (unsigned id = 103; id <= 186; ++id) EXPECT_FALSE(LoadString(id).empty()) << id;
  EXPECT_EQ(LoadString(102), "");
  EXPECT_EQ(LoadString(187), "");
  EXPECT_EQ(LoadString(0), "");
}

struct HalfCase {
  unsigned id;
  const char* english;
  const char* korean;
};

class StringHalvesTest : public testing::TestWithParam<HalfCase> {};

TEST_P(StringHalvesTest, SplitsIntoTheStoredHalves) {
  std::string english = LoadString(GetParam().id);
  PickLanguageText(english, false);
  EXPECT_EQ(english, GetParam().english);
  std::string korean = LoadString(GetParam().id);
  PickLanguageText(korean, true);
  EXPECT_EQ(korean, GetParam().korean);
}

// Texts with leading blanks, quotes, line breaks, no Korean half, and neighbours of those.
INSTANTIATE_TEST_SUITE_P(
    Table, StringHalvesTest,
    testing::Values(
        HalfCase{103, "Windows sockets initialization failed.",
                 "Windows sockets initialization failed."},
        HalfCase{104, "Searching for the Storage Link.\nPlease wait...",
                 "Tamberlyx을 검색중입니다.\n잠시만 기다려주세요..."},
        HalfCase{107, "Step 1.", "Step 1."},
        HalfCase{108, "Network Storage Link(s) Have Been Found!",
                 "Network Storage Link(s) Have Been Found!"},
        HalfCase{109,
                 "    If you have one Network Storage Link, you can make changes to the following "
                 "settings. if you have more than one Network Storage Link, you will need to run "
                 "the Setup Utility again to configure each separate Network Storage Link.",
                 "Tamberlyx이 검색되었다면 Tamberlyx을 선택후 \"설정\" 버튼을 누르세요."},
        HalfCase{123,
                 "   An IP address must be specified in order to access the Network Storage "
                 "Link from the network.",
                 "네트웍에서Tamberlyx을 접속하기위해서는 IP주소가 지정되어 있어야 합니다."},
        HalfCase{136, "Subnet Mask", "서버넷마스크"}, HalfCase{146, "DNS Server", "DNS 서버"},
        HalfCase{151, "Exit", "종료"}, HalfCase{152, "Setup", "설치"},
        HalfCase{160,
                 "You are about to change the settings.\nPress \"OK\" to save new "
                 "settings.\nPress \"Cancel\" if you want to keep current settings.",
                 "셋팅을 저장하고싶다면\"확인\"을 누르고 현재설정상태를 유지하고 싶으면 "
                 "\"취소\"를 누르세요."},
        HalfCase{161,
                 "Another device was selected in the meantime.\nChoose the device again in Step "
                 "1.",
                 "그 사이에 다른 Tamberlyx이 선택되었습니다.\nStep 1에서 Tamberlyx을 다시 선택해 "
                 "주세요."},
        HalfCase{162,
                 "The settings do not fit in the device's settings text of 999 "
                 "characters.\nShorten the %1.",
                 "새로운셋팅이 Tamberlyx의 셋팅(999자)에 들어가지 않습니다.\n%1 항목을 줄여 "
                 "주세요."},
        HalfCase{163, "A new search read the device's settings again. Check them from Step 2.",
                 "새로운 검색으로 Tamberlyx의 셋팅을 다시 읽었습니다. Step 2에서부터 셋팅을 "
                 "확인해 주세요."},
        HalfCase{
            164, "The device now answers at another address. Enter its password again in Step 1.",
            "Tamberlyx이 다른 주소에서 응답합니다. Step 1에서 비밀번호를 다시 입력해 주세요."}),
    [](const testing::TestParamInfo<HalfCase>& param) {
      return "Id" + std::to_string(param.param.id);
    });

TEST(StringTableTest, LoadTextPicksTheSystemLanguage) {
  unsetenv("LC_ALL");
  unsetenv("LANGUAGE");
  unsetenv("LC_MESSAGES");
  setenv("LANG", "ko_KR.UTF-8", 1);
  EXPECT_EQ(LoadText(157), "다음");
  setenv("LANG", "en_US.UTF-8", 1);
  EXPECT_EQ(LoadText(157), "Next");
  unsetenv("LANG");
}

}  // namespace
}  // namespace tamberlyx
