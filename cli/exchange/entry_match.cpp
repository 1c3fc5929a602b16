#include "cli/exchange/entry_match.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "protocol/settings_keys.h"

namespace tamberlyx::cli {
namespace {

constexpr long kDay = 24 * 60 * 60;

// Three numbers split by `separator`, as the device writes its date ("%d/%02d/%02d") and time.
std::optional<std::array<int, 3>> ThreeNumbers(std::string_view text, char separator) {
  const std::string copy(text);
  const std::string format = std::string("%d") + separator + "%d" + separator + "%d%n";
  std::array<int, 3> numbers{};
  int used = 0;
  if (std::sscanf(copy.c_str(), format.c_str(), &numbers[0], &numbers[1], &numbers[2], &used) !=
          3 ||
      used != static_cast<int>(copy.size())) {
    return std::nullopt;
  }
  return numbers;
}

std::optional<long> Days(std::string_view text) {
  const auto n = ThreeNumbers(text, '/');
  if (!n) return std::nullopt;
  const std::chrono::year_month_day date{std::chrono::year((*n)[0]),
                                         std::chrono::month(static_cast<unsigned>((*n)[1])),
                                         std::chrono::day(static_cast<unsigned>((*n)[2]))};
  if (!date.ok()) return std::nullopt;
  return std::chrono::sys_days(date).time_since_epoch().count();
}

std::optional<long> Seconds(std::string_view text) {
  const auto n = ThreeNumbers(text, ':');
  if (!n) return std::nullopt;
  return (*n)[0] * 3600L + (*n)[1] * 60L + (*n)[2];
}

}  // namespace

bool HoldsValue(std::string_view key, std::string_view reported, std::string_view written,
                std::chrono::seconds tolerance) {
  if (reported == written) return true;
  if (key == kKeyDate) {
    const auto have = Days(reported), want = Days(written);
    return have && want && std::labs(*have - *want) <= 1 + tolerance.count() / kDay;
  }
  if (key == kKeyTime) {
    const auto have = Seconds(reported), want = Seconds(written);
    if (!have || !want) return false;
    const long apart = std::labs(*have - *want) % kDay;
    return std::min(apart, kDay - apart) <= tolerance.count();
  }
  return false;
}

}  // namespace tamberlyx::cli
