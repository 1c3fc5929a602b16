#pragma once

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

namespace tamberlyx::cli {

// The client's --help: a usage line per command, then each command with its own options, then
// once the options of the group every command shares.
class HelpLayout : public CLI::Formatter {
 public:
  explicit HelpLayout(std::string sharedGroup);
  std::string make_help(const CLI::App* app, std::string name,
                        CLI::AppFormatMode mode) const override;
  std::string make_usage(const CLI::App* app, std::string name) const override;
  std::string make_group(std::string group, bool isPositional,
                         std::vector<const CLI::Option*> options) const override;

 private:
  // Its shared options, its own options and its positional arguments, in usage notation.
  std::vector<std::string> CommandUsage(const CLI::App& command) const;

  std::string m_sharedGroup;
};

}  // namespace tamberlyx::cli
