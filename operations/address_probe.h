#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace tamberlyx {

// Asks the network whether a host already answers for an address, without privileges.
class AddressProbe {
 public:
  using Done = std::function<void(const std::string& holderMac)>;
  virtual ~AddressProbe() = default;
  // Through `interfaceName`: `done` gets, on the event loop and within about a second, the
  // hardware address of a host other than `deviceMac` that answered for `address`, or "".
  virtual void Probe(const std::string& interfaceName, std::uint32_t address,
                     const std::string& deviceMac, Done done) = 0;
};

}  // namespace tamberlyx
