#pragma once

#include <cstdint>
#include <string>

namespace tamberlyx::device {

// Moves `from`, an IPv4 address of this network namespace, to `to`: same interface, same
// prefix length. Needs CAP_NET_ADMIN. Returns an error text, empty on success.
std::string MoveInterfaceAddress(std::uint32_t from, std::uint32_t to);

}  // namespace tamberlyx::device
