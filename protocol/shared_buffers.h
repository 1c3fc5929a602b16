#pragma once

#include <string>

namespace tamberlyx {

class DeviceList;

// Which device the buffers hold: where it answered and the settings it reported then.
struct DeviceIdentity {
  std::string address;
  std::string settings;
  bool operator==(const DeviceIdentity&) const = default;
};

// What the pages hand on to each other about the selected device.
struct SharedBuffers {
  std::string currentSettings;  // as the device reported them
  std::string newSettings;      // the working copy, body of SET
  std::string selectedDeviceIp;
  std::string adminPassword;  // of the most recent VERIFY
};

// Selects record `index` and seeds the buffers from it: the old settings, a working copy of
// them and the record's source address.
void SelectIntoSharedBuffers(DeviceList& devices, int index, SharedBuffers& buffers);

// The device the buffers hold now.
DeviceIdentity SelectedDevice(const SharedBuffers& buffers);

}  // namespace tamberlyx
