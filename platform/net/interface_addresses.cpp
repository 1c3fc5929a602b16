#include "platform/net/interface_addresses.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include <cstring>
#include <memory>

namespace tamberlyx {

std::vector<InterfaceAddress> InterfaceIpv4Addresses() {
  std::vector<InterfaceAddress> addresses;
  ifaddrs* list = nullptr;
  if (::getifaddrs(&list) != 0) return addresses;
  const std::unique_ptr<ifaddrs, decltype(&::freeifaddrs)> owner(list, ::freeifaddrs);
  for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
    if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_INET) continue;
    sockaddr_in in{};
    std::memcpy(&in, entry->ifa_addr, sizeof in);
    sockaddr_in mask{};
    if (entry->ifa_netmask != nullptr) std::memcpy(&mask, entry->ifa_netmask, sizeof mask);
    addresses.push_back({entry->ifa_name ? entry->ifa_name : "", ntohl(in.sin_addr.s_addr),
                         ntohl(mask.sin_addr.s_addr), (entry->ifa_flags & IFF_LOOPBACK) != 0,
                         (entry->ifa_flags & IFF_UP) != 0,
                         (entry->ifa_flags & IFF_BROADCAST) != 0});
  }
  return addresses;
}

std::uint32_t FirstNonLoopbackAddress(const std::vector<InterfaceAddress>& addresses) {
  for (const InterfaceAddress& local : addresses) {
    if (!local.loopback) return local.address;
  }
  return INADDR_LOOPBACK;
}

}  // namespace tamberlyx
