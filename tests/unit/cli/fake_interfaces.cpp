#include "fake_interfaces.h"

#include "protocol/constants.h"

namespace tamberlyx::cli {

void FakeInterfaces::Add(LocalInterface local, std::string prefix) {
  m_interfaces.emplace_back(std::move(local), std::move(prefix));
}

std::vector<LocalInterface> FakeInterfaces::BroadcastInterfaces() {
  std::vector<LocalInterface> interfaces;
  for (const auto& [local, prefix] : m_interfaces) interfaces.push_back(local);
  return interfaces;
}

bool FakeInterfaces::SendVia(const LocalInterface& via, std::string_view datagram,
                             std::string_view destination) {
  if (via.name == m_failing) return false;
  m_sent.push_back({via.name, std::string(datagram), std::string(destination)});
  return m_network.Send(datagram, destination, true);
}

std::string FakeInterfaces::InterfaceTowards(std::string_view address) {
  if (m_interfaces.empty()) return {};
  if (address == kBroadcastAddress) return m_interfaces.front().first.name;
  for (const auto& [local, prefix] : m_interfaces) {
    if (address.starts_with(prefix)) return local.name;
  }
  return {};
}

}  // namespace tamberlyx::cli
