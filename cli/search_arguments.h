#pragma once

#include <CLI/CLI.hpp>
#include <string>

#include "protocol/search_options.h"

namespace tamberlyx::cli {

inline constexpr char kAddressOption[] = "--address";
inline constexpr char kSearchGroup[] = "SEARCH";

// --every-interface and --address ADDRESS (several times): how `command` widens its search, in
// the group kSearchGroup.
void AddSearchArguments(CLI::App& command, SearchOptions& options);

// The text for an option of the search given last without its value; empty for other options.
std::string MissingSearchValue(const std::string& option);

}  // namespace tamberlyx::cli
