#pragma once

namespace tamberlyx::cli {

inline constexpr int kExitOk = 0;
// The device refused, did not answer, or could not be listened for.
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;
// A device's new fixed address would not work, and --force was not given: nothing was written
// to that device.
inline constexpr int kExitAddressRefused = 3;

// What the program's own error lines start with.
inline constexpr char kProgramPrefix[] = "tamberlyx-cli: ";

}  // namespace tamberlyx::cli
