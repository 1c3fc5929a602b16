#include "cli/output/password_input.h"

#include <unistd.h>

#include <iostream>

#include "cli/output/terminal_echo.h"
#include "protocol/requests.h"
#include "protocol/utf8.h"

namespace tamberlyx::cli {

PasswordOutcome ReadPassword(std::istream& in) {
  std::string line;
  if (!std::getline(in, line) && line.empty()) {
    return {std::nullopt, "no password on standard input"};
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line.find('\0') != std::string::npos) {
    return {std::nullopt, "the password contains a zero byte"};
  }
  if (Utf8CharacterCount(line) > kMaxPasswordLength) {
    return {std::nullopt,
            "the password is longer than " + std::to_string(kMaxPasswordLength) + " characters"};
  }
  return {std::move(line), {}};
}

PasswordOutcome ReadPasswordFromStdin() {
  if (!isatty(STDIN_FILENO)) return ReadPassword(std::cin);
  std::cerr << "Admin password: " << std::flush;
  PasswordOutcome outcome;
  {
    TerminalEchoOff echoOff(STDIN_FILENO);
    outcome = ReadPassword(std::cin);
  }
  std::cerr << '\n';
  return outcome;
}

}  // namespace tamberlyx::cli
