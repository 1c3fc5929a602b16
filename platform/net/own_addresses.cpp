#include "platform/net/own_addresses.h"

#include <algorithm>

#include "platform/net/interface_addresses.h"
#include "protocol/ipv4_text.h"

namespace tamberlyx {
namespace {

void AddUnique(std::vector<std::string>& addresses, std::string address) {
  if (address.empty() || std::ranges::find(addresses, address) != addresses.end()) return;
  addresses.push_back(std::move(address));
}

}  // namespace

std::vector<std::string> OwnIpv4Addresses() {
  std::vector<std::string> addresses;
  for (const InterfaceAddress& local : InterfaceIpv4Addresses()) {
    AddUnique(addresses, FormatIpv4(local.address));
  }
  return addresses;
}

}  // namespace tamberlyx
