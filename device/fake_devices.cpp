#include "device/fake_devices.h"

#include <memory>

namespace tamberlyx::device {

DevicePeer& AddDevice(FakeNetwork& network, std::string address, DeviceOptions options) {
  return static_cast<DevicePeer&>(
      network.AddPeer(std::make_unique<DevicePeer>(std::move(options), std::move(address))));
}

DevicePeer* FindDevice(FakeNetwork& network, std::string_view address) {
  return dynamic_cast<DevicePeer*>(network.FindPeer(address));
}

}  // namespace tamberlyx::device
