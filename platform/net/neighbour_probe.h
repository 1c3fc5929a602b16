#pragma once

#include "operations/address_probe.h"
#include "platform/net/scheduler.h"

namespace tamberlyx {

// Sends one datagram to the address's discard port out of the interface, which makes the
// kernel ask the link who holds it, then watches the neighbour table for an answer that came
// after the send: no privileges, nothing the holder has to run.
class NeighbourProbe : public AddressProbe {
 public:
  explicit NeighbourProbe(Scheduler scheduler);

  void Probe(const std::string& interfaceName, std::uint32_t address, const std::string& deviceMac,
             Done done) override;

 private:
  Scheduler m_scheduler;
};

}  // namespace tamberlyx
