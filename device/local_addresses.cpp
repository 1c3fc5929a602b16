#include "device/local_addresses.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include <cstring>

namespace tamberlyx::device {

std::vector<LocalAddress> LocalIpv4Addresses() {
  std::vector<LocalAddress> addresses;
  ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) return addresses;
  for (const ifaddrs* it = list; it != nullptr; it = it->ifa_next) {
    if (it->ifa_addr == nullptr || it->ifa_addr->sa_family != AF_INET) continue;
    sockaddr_in in{};
    std::memcpy(&in, it->ifa_addr, sizeof in);
    addresses.push_back({ntohl(in.sin_addr.s_addr), (it->ifa_flags & IFF_LOOPBACK) != 0});
  }
  freeifaddrs(list);
  return addresses;
}

std::uint32_t FirstNonLoopbackAddress(const std::vector<LocalAddress>& addresses) {
  for (const LocalAddress& local : addresses) {
    if (!local.loopback) return local.address;
  }
  return INADDR_LOOPBACK;
}

}  // namespace tamberlyx::device
