#include "app/usage.h"

#include <algorithm>

namespace tamberlyx {
namespace {

constexpr std::string_view kUsage =
    R"(Usage: tamberlyx-setup [--help] [Qt options]

Sets up Network Storage Link devices on the local network: finds them, shows
their settings and changes server name, addressing, time zone, date and time.
Nothing is sent until Setup is pressed in the welcome window.

  -h, --help   show this text and exit

Texts are in English, or in Korean when the system language is Korean
(LC_ALL, LANG, LC_MESSAGES, LANGUAGE). Qt's own options such as -platform
and -display are passed on. See tamberlyx-setup(1).
)";

}  // namespace

bool AsksForUsage(int argc, const char* const* argv) {
  const auto isHelp = [](std::string_view arg) { return arg == "--help" || arg == "-h"; };
  return std::any_of(argv + std::min(argc, 1), argv + argc, isHelp);
}

std::string_view UsageText() {
  return kUsage;
}

}  // namespace tamberlyx
