#include "platform/net/neighbour_table.h"

#include <linux/neighbour.h>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <optional>

#include "platform/net/socket_fd.h"

namespace tamberlyx {
namespace {

template <typename T>
std::optional<T> ReadAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
  if (offset > bytes.size() || bytes.size() - offset < sizeof(T)) return std::nullopt;
  T value;
  std::memcpy(&value, bytes.data() + offset, sizeof(T));
  return value;
}

std::string MacText(std::span<const std::uint8_t> octets) {
  std::string text;
  for (std::uint8_t octet : octets) {
    std::array<char, 4> part{};
    std::snprintf(part.data(), part.size(), "%s%02x", text.empty() ? "" : ":", octet);
    text += part.data();
  }
  return text;
}

void ReadAttributes(std::span<const std::uint8_t> bytes, NeighbourEntry& entry) {
  std::size_t offset = 0;
  while (const std::optional<rtattr> attribute = ReadAt<rtattr>(bytes, offset)) {
    if (attribute->rta_len < sizeof(rtattr) || attribute->rta_len > bytes.size() - offset) return;
    const auto payload = bytes.subspan(offset + RTA_LENGTH(0), attribute->rta_len - RTA_LENGTH(0));
    if (attribute->rta_type == NDA_DST && payload.size() == 4) {
      std::uint32_t networkOrder = 0;
      std::memcpy(&networkOrder, payload.data(), 4);
      entry.address = ntohl(networkOrder);
    } else if (attribute->rta_type == NDA_LLADDR && payload.size() <= 32) {
      entry.mac = MacText(payload);
    }
    offset += RTA_ALIGN(attribute->rta_len);
  }
}

}  // namespace

NeighbourBatch ParseNeighbourBatch(std::span<const std::uint8_t> bytes) {
  NeighbourBatch batch;
  std::size_t offset = 0;
  while (const std::optional<nlmsghdr> header = ReadAt<nlmsghdr>(bytes, offset)) {
    if (header->nlmsg_len < sizeof(nlmsghdr) || header->nlmsg_len > bytes.size() - offset) {
      batch.last = true;
      break;
    }
    if (header->nlmsg_type == NLMSG_DONE || header->nlmsg_type == NLMSG_ERROR) {
      batch.last = true;
      break;
    }
    const auto body = bytes.subspan(offset + NLMSG_HDRLEN, header->nlmsg_len - NLMSG_HDRLEN);
    const std::optional<ndmsg> message = ReadAt<ndmsg>(body, 0);
    if (header->nlmsg_type == RTM_NEWNEIGH && message && message->ndm_family == AF_INET) {
      NeighbourEntry entry;
      entry.interfaceIndex = message->ndm_ifindex;
      entry.reachable = (message->ndm_state & NUD_REACHABLE) != 0;
      const std::size_t start = NLMSG_ALIGN(sizeof(ndmsg));
      if (start <= body.size()) ReadAttributes(body.subspan(start), entry);
      batch.entries.push_back(std::move(entry));
    }
    offset += NLMSG_ALIGN(header->nlmsg_len);
  }
  return batch;
}

std::vector<NeighbourEntry> ReadNeighbourTable() {
  const SocketFd socket(::socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC, NETLINK_ROUTE));
  if (!socket.Valid()) return {};
  struct {
    nlmsghdr header;
    ndmsg message;
  } request{};
  request.header.nlmsg_len = sizeof request;
  request.header.nlmsg_type = RTM_GETNEIGH;
  request.header.nlmsg_flags = NLM_F_REQUEST | NLM_F_DUMP;
  request.message.ndm_family = AF_INET;
  if (::send(socket.Get(), &request, sizeof request, 0) < 0) return {};
  std::vector<NeighbourEntry> entries;
  std::vector<std::uint8_t> buffer(32768);
  for (;;) {
    const ssize_t got = ::recv(socket.Get(), buffer.data(), buffer.size(), 0);
    if (got <= 0) return entries;
    NeighbourBatch batch = ParseNeighbourBatch({buffer.data(), static_cast<std::size_t>(got)});
    for (NeighbourEntry& entry : batch.entries) entries.push_back(std::move(entry));
    if (batch.last) return entries;
  }
}

}  // namespace tamberlyx
