#include "operations/address_check.h"

#include <algorithm>
#include <bit>

#include "protocol/ipv4_text.h"

namespace tamberlyx {
namespace {

bool SameSubnet(std::uint32_t a, std::uint32_t b, std::uint32_t mask) {
  return (a & mask) == (b & mask);
}

void CheckMask(std::optional<int> prefix, std::vector<AddressFinding>& found) {
  if (!prefix) {
    found.push_back({AddressProblem::kMaskNotContiguous});
  } else if (*prefix == 0 || *prefix >= 31) {
    found.push_back({AddressProblem::kMaskLeavesNoHosts});
  }
}

void CheckAddress(const FixedAddressPlan& plan, bool usableMask,
                  std::vector<AddressFinding>& found) {
  const std::uint32_t address = plan.address;
  if (address == 0) {
    found.push_back({AddressProblem::kAddressUnspecified});
    return;
  }
  if ((address >> 24) == 127) found.push_back({AddressProblem::kAddressLoopback});
  if ((address >> 28) == 0xE) found.push_back({AddressProblem::kAddressMulticast});
  if (!usableMask) return;
  const std::uint32_t host = address & ~plan.mask;
  if (host == 0) found.push_back({AddressProblem::kNetworkAddress});
  if (host == ~plan.mask) found.push_back({AddressProblem::kSubnetBroadcast});
}

void CheckGateway(const FixedAddressPlan& plan, bool usableMask,
                  std::vector<AddressFinding>& found) {
  if (!plan.gateway || *plan.gateway == 0) return;
  if (*plan.gateway == plan.address) {
    found.push_back({AddressProblem::kGatewayIsAddress});
  } else if (usableMask && !SameSubnet(*plan.gateway, plan.address, plan.mask)) {
    found.push_back({AddressProblem::kGatewayOutsideSubnet});
  }
}

void CheckReach(const FixedAddressPlan& plan, const AddressSurroundings& around,
                std::vector<AddressFinding>& found) {
  if (!around.route || !PrefixLength(around.route->mask)) return;
  const AnsweringInterface& route = *around.route;
  // An answer from beyond our subnet came through a router, which may reach the new one too.
  if (!SameSubnet(around.deviceAddress, route.address, route.mask)) return;
  if (SameSubnet(plan.address, route.address, route.mask)) return;
  found.push_back(
      {AddressProblem::kOutOfReach,
       FormatIpv4(route.address & route.mask) + "/" + std::to_string(*PrefixLength(route.mask)),
       route.name});
}

}  // namespace

std::optional<int> PrefixLength(std::uint32_t mask) {
  const std::uint32_t hosts = ~mask;
  if ((hosts & (hosts + 1)) != 0) return std::nullopt;
  return std::countl_one(mask);
}

std::vector<AddressFinding> CheckFixedAddress(const FixedAddressPlan& plan,
                                              const AddressSurroundings& around) {
  std::vector<AddressFinding> found;
  const std::optional<int> prefix = PrefixLength(plan.mask);
  const bool usableMask = prefix && *prefix > 0 && *prefix < 31;
  CheckMask(prefix, found);
  CheckAddress(plan, usableMask, found);
  CheckGateway(plan, usableMask, found);
  if (plan.address == 0) return found;
  CheckReach(plan, around, found);
  if (std::ranges::find(around.ownAddresses, plan.address) != around.ownAddresses.end()) {
    found.push_back({AddressProblem::kOwnAddress});
  } else if (!around.holderMac.empty()) {
    found.push_back({AddressProblem::kAddressInUse, {}, {}, around.holderMac});
  }
  return found;
}

}  // namespace tamberlyx
