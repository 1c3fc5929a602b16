#include "platform/net/packet_info_send.h"

#include <sys/socket.h>

#include <cstring>

namespace tamberlyx {

bool SendWithPacketInfo(int socket, const sockaddr_in* target, const in_pktinfo& info,
                        std::string_view datagram) {
  alignas(cmsghdr) char control[CMSG_SPACE(sizeof info)] = {};
  iovec payload{const_cast<char*>(datagram.data()), datagram.size()};
  msghdr message{};
  message.msg_name = const_cast<sockaddr_in*>(target);
  message.msg_namelen = target ? sizeof *target : 0;
  message.msg_iov = &payload;
  message.msg_iovlen = 1;
  message.msg_control = control;
  message.msg_controllen = sizeof control;
  cmsghdr* header = CMSG_FIRSTHDR(&message);
  header->cmsg_level = IPPROTO_IP;
  header->cmsg_type = IP_PKTINFO;
  header->cmsg_len = CMSG_LEN(sizeof info);
  std::memcpy(CMSG_DATA(header), &info, sizeof info);
  return ::sendmsg(socket, &message, 0) == static_cast<ssize_t>(datagram.size());
}

}  // namespace tamberlyx
