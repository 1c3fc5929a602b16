#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tamberlyx {

// A datagram a peer sends back.
struct PeerReply {
  std::string bytes;
  bool toSourcePort = false;  // else to the requester's CLIENT_PORT
  int delayMs = 0;
};

// A host on the in-process network that answers what reaches its DEVICE_PORT.
class NetworkPeer {
 public:
  virtual ~NetworkPeer() = default;
  virtual const std::string& Address() const = 0;
  // The replies to one received datagram from `requester` (dotted address).
  virtual std::vector<PeerReply> Handle(std::string_view datagram, std::string_view requester) = 0;
};

}  // namespace tamberlyx
