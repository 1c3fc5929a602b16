#pragma once

#include <istream>
#include <optional>
#include <string>

namespace tamberlyx::cli {

struct PasswordOutcome {
  std::optional<std::string> password;
  std::string error;  // set when password is empty
};

// One line of `in` without its line end. Refuses end of input before any line, a zero byte,
// and more than 16 characters (characters, not bytes: six Hangul syllables are six): the
// device's password field holds no more, and cutting it would send a password the user never
// typed.
PasswordOutcome ReadPassword(std::istream& in);

// The admin password from standard input: a prompt on standard error and no echo when standard
// input is a terminal, otherwise the first line.
PasswordOutcome ReadPasswordFromStdin();

}  // namespace tamberlyx::cli
