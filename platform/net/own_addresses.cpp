#include "platform/net/own_addresses.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>

#include "platform/net/interface_addresses.h"
#include "protocol/ipv4_text.h"

namespace tamberlyx {
namespace {

std::string DottedText(const sockaddr* address) {
  std::array<char, INET_ADDRSTRLEN> text{};
  const auto* in = reinterpret_cast<const sockaddr_in*>(address);
  if (!::inet_ntop(AF_INET, &in->sin_addr, text.data(), text.size())) return {};
  return text.data();
}

std::optional<std::string> HostNameAddress() {
  std::array<char, 256> host{};
  if (::gethostname(host.data(), host.size() - 1) != 0) return std::nullopt;
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_DGRAM;
  addrinfo* found = nullptr;
  if (::getaddrinfo(host.data(), nullptr, &hints, &found) != 0 || !found) return std::nullopt;
  const std::unique_ptr<addrinfo, decltype(&::freeaddrinfo)> owner(found, ::freeaddrinfo);
  return DottedText(found->ai_addr);
}

void AddUnique(std::vector<std::string>& addresses, std::string address) {
  if (address.empty() || std::ranges::find(addresses, address) != addresses.end()) return;
  addresses.push_back(std::move(address));
}

}  // namespace

std::vector<std::string> OwnIpv4Addresses() {
  std::vector<std::string> addresses;
  if (std::optional<std::string> first = HostNameAddress()) AddUnique(addresses, *first);
  for (const InterfaceAddress& local : InterfaceIpv4Addresses()) {
    AddUnique(addresses, FormatIpv4(local.address));
  }
  return addresses;
}

}  // namespace tamberlyx
