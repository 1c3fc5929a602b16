#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "operations/address_check.h"
#include "protocol/shared_buffers.h"

namespace tamberlyx {

class AddressProbe;
class InterfaceNetwork;

// What the checks found about the address a save gives a device.
struct AddressReview {
  std::optional<FixedAddressPlan> plan;  // none: no fixed address, nothing checked
  std::vector<AddressFinding> findings;
};

// Checks the fixed address `buffers.newSettings` give the selected device, unless the device
// already has that address, mask and gateway, fixed. When the address
// changes and the device is on the subnet of the interface towards it, the network is asked
// through that interface (`probe`, when there is one) whether another host answers for it; not
// when `targetLeaving`, as another device of the same run holds it and moves away first.
// `interfaces` none: nothing is known of this PC's subnets. `done` may run before this returns.
void ReviewAddress(InterfaceNetwork* interfaces, AddressProbe* probe, const SharedBuffers& buffers,
                   bool targetLeaving, std::function<void(AddressReview)> done);

}  // namespace tamberlyx
