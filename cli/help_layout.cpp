#include "cli/help_layout.h"

#include <sstream>

namespace tamberlyx::cli {
namespace {

constexpr std::size_t kLineWidth = 92;

// `words` after `lead`, the lines that grow past kLineWidth continued under the first word.
std::string Wrapped(const std::string& lead, const std::vector<std::string>& words) {
  std::string text = lead;
  std::size_t lineStart = 0;
  for (const std::string& word : words) {
    if (text.size() - lineStart + 1 + word.size() > kLineWidth && text.size() > lead.size()) {
      text += "\n" + std::string(lead.size(), ' ');
      lineStart = text.size() - lead.size() - 1;
    }
    text += " " + word;
  }
  return text + "\n";
}

}  // namespace

HelpLayout::HelpLayout(std::string sharedGroup) : m_sharedGroup(std::move(sharedGroup)) {}

std::vector<std::string> HelpLayout::CommandUsage(const CLI::App& command) const {
  std::vector<std::string> words = {"[" + m_sharedGroup + "...]"};
  for (const CLI::Option* option : command.get_options()) {
    if (option->get_group() == m_sharedGroup || option == command.get_help_ptr() ||
        option->get_positional()) {
      continue;
    }
    const std::string type = option->get_type_name();
    words.push_back("[" + option->get_name(false, true) + (type.empty() ? "" : " " + type) + "]");
  }
  for (const CLI::Option* option : command.get_options()) {
    if (!option->get_positional()) continue;
    words.push_back(option->get_name(true, false) +
                    (option->get_items_expected_max() > 1 ? "..." : ""));
  }
  return words;
}

std::string HelpLayout::make_usage(const CLI::App* app, std::string name) const {
  if (app->get_parent() != nullptr) return CLI::Formatter::make_usage(app, std::move(name));
  std::string text = "Usage:\n";
  for (const CLI::App* command : app->get_subcommands({})) {
    text += Wrapped("  " + name + " " + command->get_name(), CommandUsage(*command));
  }
  return text + "  " + name + " --help\n";
}

std::string HelpLayout::make_group(std::string group, bool isPositional,
                                   std::vector<const CLI::Option*> options) const {
  if (group == m_sharedGroup) return {};
  return CLI::Formatter::make_group(std::move(group), isPositional, std::move(options));
}

std::string HelpLayout::make_help(const CLI::App* app, std::string name,
                                  CLI::AppFormatMode mode) const {
  if (app->get_parent() != nullptr || mode != CLI::AppFormatMode::All) {
    return CLI::Formatter::make_help(app, std::move(name), mode);
  }
  std::ostringstream out;
  out << make_usage(app, name.empty() ? app->get_name() : name) << "\n" << make_description(app);
  out << make_groups(app, mode) << make_subcommands(app, mode);
  const std::vector<const CLI::App*> commands = app->get_subcommands({});
  if (!commands.empty()) {
    const auto shared = commands.front()->get_options(
        [this](const CLI::Option* option) { return option->get_group() == m_sharedGroup; });
    out << CLI::Formatter::make_group(m_sharedGroup + ", for every command", false, shared);
  }
  out << "\n" << make_footer(app);
  return out.str();
}

}  // namespace tamberlyx::cli
