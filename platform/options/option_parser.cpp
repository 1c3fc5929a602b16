#include "platform/options/option_parser.h"

#include <algorithm>
#include <ranges>

namespace tamberlyx {
namespace {

// The long option `name` ("--name") takes a value in `app` or one of its commands.
bool TakesValue(const CLI::App& app, const std::string& name) {
  const CLI::Option* option = app.get_option_no_throw(name);
  if (option != nullptr) return option->get_items_expected_min() > 0;
  const auto subcommands = app.get_subcommands([](const CLI::App*) { return true; });
  return std::ranges::any_of(
      subcommands, [&name](const CLI::App* command) { return TakesValue(*command, name); });
}

// "--name=" as "--name" and an empty argument: the parser would take the next argument as its
// value.
std::vector<std::string> WithEmptyValues(const CLI::App& app,
                                         const std::vector<std::string>& args) {
  std::vector<std::string> split;
  for (const std::string& arg : args) {
    if (arg.starts_with("--") && arg.size() > 3 && arg.back() == '=' &&
        arg.find('=') == arg.size() - 1 && TakesValue(app, arg.substr(0, arg.size() - 1))) {
      split.push_back(arg.substr(0, arg.size() - 1));
      split.emplace_back();
    } else {
      split.push_back(arg);
    }
  }
  return split;
}

// The parser's own texts name the option first: "--name: 1 required TEXT missing" and
// "name was given a disallowed flag override".
std::string NameBefore(const std::string& text, std::string_view end) {
  std::string name = text.substr(0, text.find(end));
  return name.starts_with("-") ? name : "--" + name;
}

}  // namespace

OptionRefusal::OptionRefusal(std::string text)
    : CLI::ParseError("OptionRefusal", std::move(text), CLI::ExitCodes::ValidationError) {}

OptionOutcome ParseOptions(CLI::App& app, const std::vector<std::string>& args) {
  std::vector<std::string> reversed = WithEmptyValues(app, args);
  std::ranges::reverse(reversed);
  OptionOutcome outcome;
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    outcome.help = true;
  } catch (const CLI::ArgumentMismatch& mismatch) {
    const std::string text = mismatch.what();
    const std::size_t override = text.find(" was given a disallowed flag override");
    if (override != std::string::npos) {
      outcome.error = NameBefore(text, " was given") + " takes no value";
    } else if (text.ends_with(" missing")) {
      outcome.missingValue = NameBefore(text, ":");
      outcome.error = outcome.missingValue + " needs a value";
    } else {
      outcome.error = text;
    }
  } catch (const CLI::ParseError& error) {
    outcome.error = error.what();
  }
  return outcome;
}

CLI::Validator Refusing(std::function<std::string(const std::string& value)> check) {
  return CLI::Validator([check = std::move(check)](std::string& value) { return check(value); },
                        "");
}

CLI::Validator NumberIn(long low, long high,
                        std::function<std::string(const std::string& text)> refusal) {
  return CLI::Validator(
      [low, high, refusal = std::move(refusal)](std::string& text) -> std::string {
        const bool digits =
            !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
        // Decimal only: the parser would read "010" as octal and take "0x10" or "+5" as well.
        std::string decimal =
            digits ? text.substr(std::min(text.find_first_not_of('0'), text.size() - 1))
                   : std::string();
        long number = 0;
        if (!digits || !CLI::detail::lexical_cast(decimal, number) || number < low ||
            number > high) {
          return refusal(text);
        }
        text = std::move(decimal);
        return {};
      },
      "");
}

}  // namespace tamberlyx
