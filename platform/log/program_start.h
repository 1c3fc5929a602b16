#pragma once

#include <string>

namespace tamberlyx {

// The first lines of every log: the program with its version and Qt's, then each interface of
// this PC with its address.
void ReportProgramStart(const std::string& program);

}  // namespace tamberlyx
