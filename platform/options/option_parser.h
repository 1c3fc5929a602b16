#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <string>
#include <vector>

namespace tamberlyx {

// A refusal shown exactly as written: a validator's own text gets the option's name and ": "
// put in front, this one does not.
class OptionRefusal : public CLI::ParseError {
 public:
  explicit OptionRefusal(std::string text);
};

struct OptionOutcome {
  bool help = false;         // -h or --help was given
  std::string missingValue;  // the option that ended the line without its value
  std::string error;         // what cannot be run; empty when the line was taken
};

// Parses `args` (the program name left out) into what `app` declares. "--name=" gives the option
// an empty value. Errors come in the words this project's programs use: "--name needs a value",
// "--name takes no value", "--name: <the validator's text>"; arguments nobody declared stay in
// app.remaining() when the app allows extras.
OptionOutcome ParseOptions(CLI::App& app, const std::vector<std::string>& args);

// Refuses a value with the text `check` returns for it; empty: the value is taken.
CLI::Validator Refusing(std::function<std::string(const std::string& value)> check);

// A whole number from `low` to `high`, in decimal digits; any other text is refused with what
// `refusal` returns for it. A transform (Option::transform): it leaves the number in the form the
// parser reads as decimal.
CLI::Validator NumberIn(long low, long high,
                        std::function<std::string(const std::string& text)> refusal);

}  // namespace tamberlyx
