#pragma once

#include <string>
#include <string_view>

#include "device/device_peer.h"
#include "platform/fakenet/fake_network.h"

namespace tamberlyx::device {

// A simulated device joins the in-process network at `address`.
DevicePeer& AddDevice(FakeNetwork& network, std::string address, DeviceOptions options = {});
// The simulated device at `address`, or nullptr.
DevicePeer* FindDevice(FakeNetwork& network, std::string_view address);

}  // namespace tamberlyx::device
