#pragma once

#include <string_view>

namespace tamberlyx {

// True when the command line asks for the usage text; every other argument is Qt's.
bool AsksForUsage(int argc, const char* const* argv);

std::string_view UsageText();

}  // namespace tamberlyx
