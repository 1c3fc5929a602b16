#pragma once

#include <optional>
#include <utility>

#include "pages/logic/device_check.h"
#include "protocol/device_list.h"
#include "protocol/shared_buffers.h"

namespace tamberlyx {

// What the pages of one run share about devices: what the last search found, the buffers of
// the selected device, and which device accepted the last password.
class DeviceSelection {
 public:
  DeviceList& Devices() { return m_devices; }
  SharedBuffers& Buffers() { return m_buffers; }
  const SharedBuffers& Buffers() const { return m_buffers; }

  // Seeds the buffers from record `row`: a new read of that device, whose pages start anew.
  void Select(int row);

  // The device that accepted the most recent password, as it was selected then. A later
  // selection may put another device in the buffers; nothing is written for that one until it
  // has accepted a password too.
  const std::optional<DeviceIdentity>& VerifiedDevice() const { return m_verified; }
  void SetVerifiedDevice(DeviceIdentity device) { m_verified = std::move(device); }

  // The device and the read the buffers hold now: what a page window is made from.
  DeviceRead Current() const { return {SelectedDevice(m_buffers), m_reads}; }
  DeviceCheck Check(const DeviceRead& shown) const {
    return CheckShownDevice(shown, Current(), m_verified);
  }

 private:
  DeviceList m_devices;
  SharedBuffers m_buffers;
  std::optional<DeviceIdentity> m_verified;
  unsigned m_reads = 0;
};

}  // namespace tamberlyx
