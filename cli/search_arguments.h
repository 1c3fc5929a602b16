#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "protocol/search_options.h"

namespace tamberlyx::cli {

// Removes --every-interface and every --address ADDRESS (or --address=ADDRESS) from `args`
// into `options`, leaving the other arguments in order. Returns an error text, empty on
// success.
std::string TakeSearchOptions(std::vector<std::string_view>& args, SearchOptions& options);

}  // namespace tamberlyx::cli
