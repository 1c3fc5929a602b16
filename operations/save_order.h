#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace tamberlyx {

// One device of a batch: where it answers now and the fixed address it is given, if any.
struct AddressMove {
  std::uint32_t from = 0;
  std::optional<std::uint32_t> to;  // none: the address does not change, or DHCP
};

struct SaveOrder {
  std::vector<std::size_t> order;       // indexes into the moves, each once; empty with a cycle
  std::vector<std::size_t> cycle;       // the moves that wait on each other, in a loop
  std::vector<std::size_t> sameTarget;  // two or more moves to one address: all of them
};

// The order in which to save a batch so that no device takes an address before the device
// holding it has moved away; otherwise the batch's order. A cycle (two devices swapping) has
// no such order, and two devices given one address have none either.
SaveOrder OrderSaves(const std::vector<AddressMove>& moves);

}  // namespace tamberlyx
