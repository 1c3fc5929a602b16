#pragma once

#include <string>

namespace tamberlyx {

// True when the command line asks for the usage text; every other argument is Qt's.
bool AsksForUsage(int argc, const char* const* argv);

// What --help prints. Needs no display: it is shown before the application starts.
std::string UsageText();

}  // namespace tamberlyx
