#include "protocol/interface_network.h"

namespace tamberlyx {

std::vector<std::string> InterfaceNetwork::OwnAddresses() {
  std::vector<std::string> addresses;
  for (const LocalInterface& local : BroadcastInterfaces()) addresses.push_back(local.address);
  return addresses;
}

}  // namespace tamberlyx
