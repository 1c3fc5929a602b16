#pragma once

#include <cstdint>
#include <vector>

#include "device/device_peer.h"
#include "device/program_options.h"

namespace tamberlyx::device {

struct FleetMember {
  DevicePeer peer;
  std::uint32_t address;  // host byte order; replies leave from it when fixedSource
};

// The devices one program runs. With --count N they are NAME-1..NAME-N at first address + i-1;
// a settings text from a file then gets each device's name and address written into its copy.
// A single device without --first-address stands at `ownAddress`.
std::vector<FleetMember> MakeFleet(const ProgramOptions& options, std::uint32_t ownAddress);

}  // namespace tamberlyx::device
