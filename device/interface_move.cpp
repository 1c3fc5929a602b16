#include "device/interface_move.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <net/if.h>
#include <sys/socket.h>

#include <bit>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>

#include "platform/net/socket_fd.h"
#include "protocol/ipv4_text.h"

namespace tamberlyx::device {
namespace {

struct Holder {
  std::string interface;
  unsigned index = 0;
  unsigned char prefix = 0;
};

std::optional<Holder> FindHolder(std::uint32_t address) {
  ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) return std::nullopt;
  std::optional<Holder> holder;
  for (const ifaddrs* entry = list; entry != nullptr && !holder; entry = entry->ifa_next) {
    if (!entry->ifa_addr || entry->ifa_addr->sa_family != AF_INET || !entry->ifa_netmask) continue;
    const auto* local = reinterpret_cast<const sockaddr_in*>(entry->ifa_addr);
    if (ntohl(local->sin_addr.s_addr) != address) continue;
    const auto* mask = reinterpret_cast<const sockaddr_in*>(entry->ifa_netmask);
    holder = Holder{entry->ifa_name, if_nametoindex(entry->ifa_name),
                    static_cast<unsigned char>(std::popcount(mask->sin_addr.s_addr))};
  }
  freeifaddrs(list);
  return holder;
}

// Without it, removing an interface's first address of a subnet removes the others of that
// subnet too: a fleet's other devices, or the address just added.
void PromoteSecondaries(const std::string& interface) {
  std::ofstream("/proc/sys/net/ipv4/conf/" + interface + "/promote_secondaries") << "1\n";
}

struct AddressMessage {
  nlmsghdr header;
  ifaddrmsg body;
  char attributes[2 * RTA_SPACE(sizeof(in_addr))];
};

void AddAddressAttribute(AddressMessage& message, unsigned short type, std::uint32_t address) {
  auto* attribute = reinterpret_cast<rtattr*>(reinterpret_cast<char*>(&message) +
                                              NLMSG_ALIGN(message.header.nlmsg_len));
  attribute->rta_type = type;
  attribute->rta_len = RTA_LENGTH(sizeof(in_addr));
  const in_addr value{htonl(address)};
  std::memcpy(RTA_DATA(attribute), &value, sizeof value);
  message.header.nlmsg_len = NLMSG_ALIGN(message.header.nlmsg_len) + RTA_SPACE(sizeof value);
}

// One address request, answered by the kernel's acknowledgement; returns its error number.
int Request(int fd, unsigned short type, unsigned short flags, const Holder& holder,
            std::uint32_t address) {
  AddressMessage message{};
  message.header.nlmsg_len = NLMSG_LENGTH(sizeof(ifaddrmsg));
  message.header.nlmsg_type = type;
  message.header.nlmsg_flags = static_cast<unsigned short>(NLM_F_REQUEST | NLM_F_ACK | flags);
  message.body.ifa_family = AF_INET;
  message.body.ifa_prefixlen = holder.prefix;
  message.body.ifa_index = holder.index;
  AddAddressAttribute(message, IFA_LOCAL, address);
  AddAddressAttribute(message, IFA_ADDRESS, address);
  if (send(fd, &message, message.header.nlmsg_len, 0) < 0) return errno;
  alignas(nlmsghdr) char reply[1024];
  const ssize_t length = recv(fd, reply, sizeof reply, 0);
  if (length < 0) return errno;
  const auto* header = reinterpret_cast<const nlmsghdr*>(reply);
  if (!NLMSG_OK(header, static_cast<unsigned>(length)) || header->nlmsg_type != NLMSG_ERROR) {
    return EPROTO;
  }
  return -static_cast<const nlmsgerr*>(NLMSG_DATA(header))->error;
}

std::string Failed(const char* what, std::uint32_t address, int error) {
  return std::string("cannot ") + what + " " + FormatIpv4(address) + ": " + std::strerror(error);
}

}  // namespace

std::string MoveInterfaceAddress(std::uint32_t from, std::uint32_t to) {
  const std::optional<Holder> holder = FindHolder(from);
  if (!holder || holder->index == 0) return FormatIpv4(from) + " is not an address of this host";
  SocketFd netlink(socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC, NETLINK_ROUTE));
  if (!netlink.Valid()) return std::string("no netlink socket: ") + std::strerror(errno);
  PromoteSecondaries(holder->interface);
  // The new address first: an interface left without one loses its routes.
  if (const int error =
          Request(netlink.Get(), RTM_NEWADDR, NLM_F_CREATE | NLM_F_EXCL, *holder, to)) {
    return Failed("add", to, error);
  }
  if (const int error = Request(netlink.Get(), RTM_DELADDR, 0, *holder, from)) {
    Request(netlink.Get(), RTM_DELADDR, 0, *holder, to);  // stay whole where it was
    return Failed("remove", from, error);
  }
  return {};
}

}  // namespace tamberlyx::device
