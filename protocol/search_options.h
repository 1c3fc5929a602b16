#pragma once

#include <string>
#include <vector>

namespace tamberlyx {

// How far a search reaches beyond the one broadcast out of the default route's interface.
struct SearchOptions {
  bool everyInterface = false;         // the broadcast leaves through every interface
  std::vector<std::string> addresses;  // also asked directly, each once, in the order given
  bool Widened() const { return everyInterface || !addresses.empty(); }
};

}  // namespace tamberlyx
