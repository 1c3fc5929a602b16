#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tamberlyx {

// One IPv4 entry of the kernel's neighbour table.
struct NeighbourEntry {
  int interfaceIndex = 0;
  std::uint32_t address = 0;  // host byte order
  std::string mac;            // "02:00:00:00:00:01"; empty while unresolved
  bool reachable = false;     // confirmed within the kernel's reachable time
};

// One batch of an RTM_GETNEIGH dump answer as the kernel sent it; parsing stops at anything
// malformed, never reading past it.
struct NeighbourBatch {
  std::vector<NeighbourEntry> entries;
  bool last = false;  // the dump ended (or failed) in this batch
};
NeighbourBatch ParseNeighbourBatch(std::span<const std::uint8_t> bytes);

// The kernel's IPv4 neighbour table through rtnetlink (no privileges needed); empty on failure.
std::vector<NeighbourEntry> ReadNeighbourTable();

}  // namespace tamberlyx
