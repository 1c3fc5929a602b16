#include "cli/password_input.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tamberlyx::cli
