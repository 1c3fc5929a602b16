#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tamberlyx::cli {

// How far a search reaches beyond the one broadcast out of the default route's interface.
struct SearchOptions {
  bool everyInterface = false;         // the broadcast leaves through every interface
  std::vector<std::string> addresses;  // also asked directly, each once, in the order given
  bool Widened() const { return everyInterface || !addresses.empty(); }
};

// Removes --every-interface and every --address ADDRESS (or --address=ADDRESS) from `args`
// into `options`, leaving the other arguments in order. Returns an error text, empty on
// success.
std::string TakeSearchOptions(std::vector<std::string_view>& args, SearchOptions& options);

}  // namespace tamberlyx::cli
