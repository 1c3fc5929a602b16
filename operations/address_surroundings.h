#pragma once

#include <optional>
#include <string_view>

#include "operations/address_check.h"

namespace tamberlyx {

class InterfaceNetwork;

// The fixed address `settings` give a device; none when they ask for DHCP or name no valid
// address. A mask that does not parse counts as 0.0.0.0, a gateway that does not as none.
std::optional<FixedAddressPlan> FixedAddressIn(std::string_view settings);

// Where this PC stands towards the device answering at `deviceAddress`: the interface it is
// reached through, with that interface's subnet, and every address of this PC. Nobody has been
// asked about the new address yet: `holderMac` is empty.
AddressSurroundings SurroundingsOf(InterfaceNetwork& interfaces, std::string_view deviceAddress);

}  // namespace tamberlyx
