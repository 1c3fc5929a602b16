#include "protocol/shared_buffers.h"

#include "protocol/device_list.h"

namespace tamberlyx {

void SelectIntoSharedBuffers(DeviceList& devices, int index, SharedBuffers& buffers) {
  if (devices.Empty()) return;  // nothing to select: the working copy keeps its edits
  devices.SelectDevice(index, buffers.currentSettings, buffers.selectedDeviceIp);
  buffers.newSettings = buffers.currentSettings;
}

DeviceIdentity SelectedDevice(const SharedBuffers& buffers) {
  return {buffers.selectedDeviceIp, buffers.currentSettings};
}

}  // namespace tamberlyx
