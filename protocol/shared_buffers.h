#pragma once

#include <string>

namespace tamberlyx {

class DeviceList;

// Which device the buffers hold: its hardware address (`nwk.mac`, "" when it reports none) and
// where it answered. Never its settings text: a device with a running clock reports another
// text with every search.
struct DeviceIdentity {
  std::string address;
  std::string mac;
  bool operator==(const DeviceIdentity&) const = default;
};

// Whether `a` and `b` are one piece of hardware, wherever each answered: the same MAC, or the
// same address when neither reports a MAC.
bool SameHardware(const DeviceIdentity& a, const DeviceIdentity& b);

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
