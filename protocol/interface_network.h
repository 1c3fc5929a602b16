#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tamberlyx {

// A network interface of this PC that a search can leave through.
struct LocalInterface {
  std::string name;
  std::string address;       // its first IPv4 address, the source of what leaves through it
  std::string netmask = {};  // of that address; empty when unknown
  bool operator==(const LocalInterface&) const = default;
};

// An interface a widened search leaves out, and why ("down", "cannot broadcast").
struct SkippedInterface {
  std::string name;
  std::string reason;
};

// The PC's interfaces as a widened search sees them. Every call happens on the one UI thread.
class InterfaceNetwork {
 public:
  virtual ~InterfaceNetwork() = default;
  // The IPv4 interfaces that are up, not loopback and can broadcast, in the system's order.
  virtual std::vector<LocalInterface> BroadcastInterfaces() = 0;
  // Sends from a fresh unbound socket to `destination`:DEVICE_PORT out of `via` alone, with
  // broadcasting on. False when the socket could not be made or the send failed.
  virtual bool SendVia(const LocalInterface& via, std::string_view datagram,
                       std::string_view destination) = 0;
  // The interface this PC reaches `address` through; empty when it has no route there.
  virtual std::string InterfaceTowards(std::string_view address) = 0;
  // The interfaces BroadcastInterfaces leaves out, loopback aside; for the log only.
  virtual std::vector<SkippedInterface> SkippedInterfaces() { return {}; }
  // Every IPv4 address of this PC, loopback and interfaces that cannot broadcast included.
  virtual std::vector<std::string> OwnAddresses();
};

}  // namespace tamberlyx
