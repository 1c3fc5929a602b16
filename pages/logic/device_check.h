#pragma once

#include <optional>

#include "protocol/shared_buffers.h"

namespace tamberlyx {

// Which device a page window was made for, and from which of Step 1's selections (reads).
struct DeviceRead {
  DeviceIdentity device;
  unsigned read = 0;
  bool operator==(const DeviceRead&) const = default;
};

// How a window made from one read stands now.
enum class DeviceCheck {
  kSame,       // the buffers still hold that read of the verified device
  kReadAgain,  // the verified device, read again by a later search: its pages start anew
  kMoved,      // the same hardware at another address, whose password was not checked there
  kOther,      // another device: the window acts for nobody any more
};

// `shown`: what the window was made from; `now`: what the buffers hold; `verified`: the device
// that accepted the last password.
DeviceCheck CheckShownDevice(const DeviceRead& shown, const DeviceRead& now,
                             const std::optional<DeviceIdentity>& verified);

}  // namespace tamberlyx
