// Feeds arbitrary text through the devices-file reader: whatever it is given, it answers with
// devices or with errors at positions inside the text, in bounded time and memory.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "cli/apply_file/apply_file.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const tamberlyx::cli::ApplyFileOutcome outcome = tamberlyx::cli::ParseApplyFile(text);
  const tamberlyx::cli::TextPosition end = tamberlyx::cli::PositionAt(text, text.size());
  for (const tamberlyx::cli::FileError& error : outcome.errors) {
    Check(!error.text.empty());
    Check(error.at.line >= 1 && error.at.line <= end.line);
    Check(error.at.column >= 1);
  }
  return 0;
}
