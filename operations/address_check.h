#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tamberlyx {

// A fixed address about to be written to a device.
struct FixedAddressPlan {
  std::uint32_t address = 0;  // host byte order, as ParseIpv4 gives
  std::uint32_t mask = 0;
  std::optional<std::uint32_t> gateway;  // none when the field is left empty
  bool operator==(const FixedAddressPlan&) const = default;
};

// The PC's interface through which the device answered.
struct AnsweringInterface {
  std::string name;
  std::uint32_t address = 0;
  std::uint32_t mask = 0;
};

// What the PC knows when it checks a plan.
struct AddressSurroundings {
  std::optional<AnsweringInterface> route;  // none: unknown, nothing is said about reach
  std::uint32_t deviceAddress = 0;          // where the device answers today
  std::vector<std::uint32_t> ownAddresses;  // every address of this PC
  std::string holderMac;  // another host that answered for the new address; empty: none
};

enum class AddressProblem {
  kMaskNotContiguous,
  kMaskLeavesNoHosts,
  kAddressUnspecified,
  kAddressLoopback,
  kAddressMulticast,
  kNetworkAddress,
  kSubnetBroadcast,
  kGatewayIsAddress,
  kGatewayOutsideSubnet,
  kOutOfReach,  // `subnet` and `interfaceName` say where this PC is
  kOwnAddress,
  kAddressInUse,  // `holderMac` answers for it
};

struct AddressFinding {
  AddressProblem problem;
  std::string subnet = {};         // "10.77.0.0/24", for kOutOfReach
  std::string interfaceName = {};  // for kOutOfReach
  std::string holderMac = {};      // for kAddressInUse
  bool operator==(const AddressFinding&) const = default;
};

// Every finding about `plan`, plainly wrong ones first, then reach, then use; empty when the
// plan is sound. A device reached through a router is not judged on this PC's subnet.
std::vector<AddressFinding> CheckFixedAddress(const FixedAddressPlan& plan,
                                              const AddressSurroundings& around);

// Leading one bits of `mask`; nullopt when the ones are not contiguous.
std::optional<int> PrefixLength(std::uint32_t mask);

}  // namespace tamberlyx
