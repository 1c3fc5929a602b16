#include "pages/logic/device_check.h"

namespace tamberlyx {

DeviceCheck CheckShownDevice(const DeviceRead& shown, const DeviceRead& now,
                             const std::optional<DeviceIdentity>& verified) {
  if (!verified || now.device != *verified) {
    const bool moved = verified && SameHardware(now.device, *verified);
    return moved ? DeviceCheck::kMoved : DeviceCheck::kOther;
  }
  if (!SameHardware(shown.device, now.device)) return DeviceCheck::kOther;
  return shown == now ? DeviceCheck::kSame : DeviceCheck::kReadAgain;
}

}  // namespace tamberlyx
