#pragma once

#include <map>
#include <string>
#include <vector>

#include "operations/address_probe.h"
#include "platform/net/scheduler.h"

namespace tamberlyx::test {

struct ProbeCall {
  std::string interfaceName;
  std::uint32_t address;
  std::string deviceMac;
};

// Answers each probe on the event loop with the holder set for its address ("" for none), as the
// neighbour table would; `silent` keeps every answer back, as a probe still waiting would.
class FakeAddressProbe : public AddressProbe {
 public:
  explicit FakeAddressProbe(Scheduler scheduler) : m_scheduler(std::move(scheduler)) {}

  void Probe(const std::string& interfaceName, std::uint32_t address, const std::string& deviceMac,
             Done done) override {
    m_calls.push_back({interfaceName, address, deviceMac});
    if (silent) return;
    const auto holder = holders.find(address);
    m_scheduler(0, [done = std::move(done), mac = holder == holders.end() ? "" : holder->second] {
      done(mac);
    });
  }
  const std::vector<ProbeCall>& Calls() const { return m_calls; }

  std::map<std::uint32_t, std::string> holders;
  bool silent = false;

 private:
  Scheduler m_scheduler;
  std::vector<ProbeCall> m_calls;
};

}  // namespace tamberlyx::test
