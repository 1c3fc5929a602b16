#include "operations/address_review.h"

#include <algorithm>

#include "operations/address_probe.h"
#include "operations/address_surroundings.h"
#include "protocol/ipv4_text.h"

namespace tamberlyx {
namespace {

// An address nobody else could hold is not worth a datagram.
bool Unholdable(const AddressFinding& finding) {
  switch (finding.problem) {
    case AddressProblem::kAddressUnspecified:
    case AddressProblem::kAddressLoopback:
    case AddressProblem::kAddressMulticast:
    case AddressProblem::kOwnAddress:
      return true;
    default:
      return false;
  }
}

bool WorthAsking(const FixedAddressPlan& plan, const AddressSurroundings& around,
                 const std::vector<AddressFinding>& findings) {
  if (!around.route || plan.address == around.deviceAddress) return false;
  // Reached through a router: its link is not ours to ask.
  const AnsweringInterface& route = *around.route;
  if ((around.deviceAddress & route.mask) != (route.address & route.mask)) return false;
  return std::ranges::none_of(findings, Unholdable);
}

}  // namespace

void ReviewAddress(InterfaceNetwork* interfaces, AddressProbe* probe, const SharedBuffers& buffers,
                   bool targetLeaving, std::function<void(AddressReview)> done) {
  AddressReview review{FixedAddressIn(buffers.newSettings), {}};
  if (!review.plan) return done(std::move(review));
  // A save that leaves the fixed address as it is cannot break it: a rename is not held back
  // for how the device was set up before.
  if (FixedAddressIn(buffers.currentSettings) == review.plan) {
    return done(AddressReview{});
  }
  AddressSurroundings around;
  if (interfaces != nullptr) {
    around = SurroundingsOf(*interfaces, buffers.selectedDeviceIp);
  } else {
    around.deviceAddress = ParseIpv4(buffers.selectedDeviceIp).value_or(0);
  }
  review.findings = CheckFixedAddress(*review.plan, around);
  if (probe == nullptr || targetLeaving || !WorthAsking(*review.plan, around, review.findings)) {
    return done(std::move(review));
  }
  probe->Probe(around.route->name, review.plan->address, SelectedDevice(buffers).mac,
               [review, around, done = std::move(done)](const std::string& holder) mutable {
                 around.holderMac = holder;
                 review.findings = CheckFixedAddress(*review.plan, around);
                 done(std::move(review));
               });
}

}  // namespace tamberlyx
