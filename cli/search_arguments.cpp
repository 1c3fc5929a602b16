#include "cli/search_arguments.h"

#include <algorithm>

#include "platform/options/option_parser.h"
#include "protocol/ipv4_text.h"

namespace tamberlyx::cli {
namespace {

// 0.0.0.0 would reach this PC itself, not a device.
std::string AddressError(const std::string& text) {
  const auto address = ParseIpv4(text);
  if (!address || *address == 0) return "not a device's IPv4 address: \"" + text + "\"";
  return {};
}

}  // namespace

void AddSearchArguments(CLI::App& command, SearchOptions& options) {
  command
      .add_flag("--every-interface", options.everyInterface,
                "Broadcasts out of every interface that is up and can broadcast,\n"
                "not only the one the default route leaves by; the listing then\n"
                "names the interface each device answered on.")
      ->group(kSearchGroup);
  command
      .add_option(kAddressOption,
                  "Also asks ADDRESS directly, for a device behind a router (may be\n"
                  "given several times).")
      ->type_name("ADDRESS")
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
      ->check(Refusing(AddressError))
      ->each([&options](const std::string& address) {
        if (std::ranges::find(options.addresses, address) == options.addresses.end())
          options.addresses.push_back(address);
      })
      ->group(kSearchGroup);
}

std::string MissingSearchValue(const std::string& option) {
  return option == kAddressOption ? option + ": missing ADDRESS" : std::string();
}

}  // namespace tamberlyx::cli
