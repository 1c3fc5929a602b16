#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tamberlyx {

// What the empty list of Step 1 says, in `korean` or English: the interfaces the search left
// through (none: that it could not be sent), the first `shown` of them by name and the rest as a
// count, that a firewall here must let CLIENT_PORT in, and, when `portHeld`, that another
// program holds that port. Lines end with "\n" but the last.
std::string NoAnswerText(const std::vector<std::string>& searched, std::size_t shown, bool portHeld,
                         bool korean);

}  // namespace tamberlyx
