#pragma once

#include <optional>
#include <utility>

#include "pages/date_time_page.h"
#include "pages/ip_settings_page.h"
#include "pages/progress_dialog.h"
#include "pages/save_page.h"
#include "pages/search_page.h"
#include "protocol/device_list.h"
#include "protocol/shared_buffers.h"

namespace tamberlyx {

struct Services;

// The program-wide objects of one run: the four page objects (which hold the other six), the
// device list and the buffers the pages hand on to each other, the progress boxes, and the
// services they use.
class Wizard {
 public:
  explicit Wizard(const Services& services);
  Wizard(const Wizard&) = delete;
  Wizard& operator=(const Wizard&) = delete;

  // Forward moves always go to these.
  SearchPage& Step1() { return m_step1; }
  IpSettingsPage& Step2() { return m_step2; }
  DateTimePage& Step3() { return m_step3; }
  SavePage& Step4() { return m_step4; }

  // The three "please wait" boxes, each opened once per exchange of its kind.
  ProgressDialog& SearchProgress() { return m_searchProgress; }
  ProgressDialog& PasswordProgress() { return m_passwordProgress; }
  ProgressDialog& SaveProgress() { return m_saveProgress; }

  DeviceList& Devices() { return m_devices; }
  SharedBuffers& Buffers() { return m_buffers; }
  // The device that accepted the most recent password, as it was selected then. A later
  // selection may put another device in the buffers; nothing is written for that one until it
  // has accepted a password too.
  const std::optional<DeviceIdentity>& VerifiedDevice() const { return m_verifiedDevice; }
  void SetVerifiedDevice(DeviceIdentity device) { m_verifiedDevice = std::move(device); }
  bool BuffersHoldVerifiedDevice() const { return m_verifiedDevice == SelectedDevice(m_buffers); }
  const Services& GetServices() const { return m_services; }

 private:
  const Services& m_services;
  DeviceList m_devices;
  SharedBuffers m_buffers;
  std::optional<DeviceIdentity> m_verifiedDevice;
  ProgressDialog m_searchProgress;
  ProgressDialog m_passwordProgress;
  ProgressDialog m_saveProgress;
  SearchPage m_step1;
  IpSettingsPage m_step2;
  DateTimePage m_step3;
  SavePage m_step4;
};

}  // namespace tamberlyx
