#include "cli/search_options.h"

#include <algorithm>

#include "protocol/ipv4_text.h"

namespace tamberlyx::cli {
namespace {

constexpr std::string_view kEveryInterface = "--every-interface";
constexpr std::string_view kAddress = "--address";

// 0.0.0.0 would reach this PC itself, not a device.
std::string AddAddress(std::string_view text, SearchOptions& options) {
  const auto address = ParseIpv4(text);
  if (!address || *address == 0) {
    return "--address: not a device's IPv4 address: \"" + std::string(text) + "\"";
  }
  if (std::ranges::find(options.addresses, text) == options.addresses.end())
    options.addresses.emplace_back(text);
  return {};
}

}  // namespace

std::string TakeSearchOptions(std::vector<std::string_view>& args, SearchOptions& options) {
  std::vector<std::string_view> rest;
  for (std::size_t at = 0; at < args.size(); ++at) {
    const std::string_view arg = args[at];
    std::string error;
    if (arg == kEveryInterface) {
      options.everyInterface = true;
    } else if (arg == kAddress) {
      if (at + 1 == args.size()) return "--address: missing ADDRESS";
      error = AddAddress(args[++at], options);
    } else if (arg.starts_with(std::string(kAddress) + "=")) {
      error = AddAddress(arg.substr(kAddress.size() + 1), options);
    } else {
      rest.push_back(arg);
    }
    if (!error.empty()) return error;
  }
  args = std::move(rest);
  return {};
}

}  // namespace tamberlyx::cli
