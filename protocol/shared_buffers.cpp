#include "protocol/shared_buffers.h"

#include "protocol/device_list.h"
#include "protocol/settings_keys.h"
#include "protocol/settings_text.h"

namespace tamberlyx {

bool SameHardware(const DeviceIdentity& a, const DeviceIdentity& b) {
  if (a.mac.empty() && b.mac.empty()) return a.address == b.address;
  return a.mac == b.mac;
}

void SelectIntoSharedBuffers(DeviceList& devices, int index, SharedBuffers& buffers) {
  if (devices.Empty()) return;  // nothing to select: the working copy keeps its edits
  devices.SelectDevice(index, buffers.currentSettings, buffers.selectedDeviceIp);
  buffers.newSettings = buffers.currentSettings;
}

DeviceIdentity SelectedDevice(const SharedBuffers& buffers) {
  return {buffers.selectedDeviceIp, GetSettingValue(buffers.currentSettings, kKeyMac)};
}

}  // namespace tamberlyx
