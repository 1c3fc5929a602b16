#include "cli/output/printable_text.h"

#include "protocol/display_text.h"

namespace tamberlyx::cli {

std::string PrintableText(std::string_view text) {
  return DisplayText(text, "?");
}

}  // namespace tamberlyx::cli
