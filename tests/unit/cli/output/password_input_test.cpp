#include "cli/output/password_input.h"

#include "cli/apply/apply_input.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace tamberlyx::cli {
namespace {

TEST(ReadPassword, TakesTheFirstLineWithinSixteenCharacters) {
  struct Case {
    std::string input;
    std::optional<std::string> password;
  };
  const Case cases[] = {
      {"secret\nsecond line\n", "secret"},
      {"secret\r\n", "secret"},
      {"no line end", "no line end"},
      {"\n", ""},  // an empty password is still a password
      {std::string(16, 'p') + "\n", std::string(16, 'p')},
      {std::string(17, 'p') + "\n", std::nullopt},
      // Characters, not bytes: six Hangul syllables are 18 bytes.
      {"\xEB\xB9\x84\xEB\xB0\x80\xEB\xB2\x88\xED\x98\xB8\xEC\x9E\x85\xEB\x8B\x88\n",
       "\xEB\xB9\x84\xEB\xB0\x80\xEB\xB2\x88\xED\x98\xB8\xEC\x9E\x85\xEB\x8B\x88"},
      {std::string(15, 'p') + "\xED\x95\x9C\xED\x95\x9C\n", std::nullopt},
      {"", std::nullopt},
      {std::string("ab\0cd\n", 6), std::nullopt},
  };
  for (const Case& c : cases) {
    std::istringstream in(c.input);
    const PasswordOutcome outcome = ReadPassword(in);
    EXPECT_EQ(outcome.password, c.password) << c.input;
    EXPECT_EQ(outcome.error.empty(), c.password.has_value()) << outcome.error;
  }
}

// A password in a file the group or others may read is no secret: refused, and not read.
TEST(ReadPasswordFile, TakesTheFirstLineOfAPrivateFileOnly) {
  const std::string path = testing::TempDir() + "apply-password";
  struct Case {
    mode_t mode;
    std::optional<std::string> password;
  };
  const Case cases[] = {
      {0600, "s3cret"}, {0400, "s3cret"}, {0640, std::nullopt}, {0604, std::nullopt}};
  for (const Case& c : cases) {
    std::remove(path.c_str());
    std::ofstream(path) << "s3cret\nignored\n";
    ASSERT_EQ(chmod(path.c_str(), c.mode), 0);
    const PasswordOutcome outcome = ReadPasswordFile(path);
    EXPECT_EQ(outcome.password, c.password) << std::oct << c.mode;
    if (!c.password) {
      EXPECT_NE(outcome.error.find("can be read by others"), std::string::npos);
    }
    EXPECT_EQ(outcome.error.find("s3cret"), std::string::npos);
  }
  std::remove(path.c_str());
  EXPECT_FALSE(ReadPasswordFile(path).password);
}

}  // namespace
}  // namespace tamberlyx::cli
