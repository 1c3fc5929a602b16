#pragma once

#include <optional>
#include <utility>

#include "pages/date_time_page.h"
#include "pages/device_follow.h"
#include "pages/ip_settings_page.h"
#include "pages/logic/device_selection.h"
#include "pages/password_check.h"
#include "pages/progress_dialog.h"
#include "pages/save_page.h"
#include "pages/search_page.h"

namespace tamberlyx {

struct Services;

// The program-wide objects of one run: one object for each page, linked to its neighbours,
// the password check and its dialog, what the pages share about devices, the progress boxes,
// and the services they use.
class Wizard {
 public:
  explicit Wizard(const Services& services);
  Wizard(const Wizard&) = delete;
  Wizard& operator=(const Wizard&) = delete;

  SearchPage& Step1() { return m_step1; }
  IpSettingsPage& Step2() { return m_step2; }
  DateTimePage& Step3() { return m_step3; }
  SavePage& Step4() { return m_step4; }

  // The three "please wait" boxes, each opened once per exchange of its kind.
  ProgressDialog& SearchProgress() { return m_searchProgress; }
  ProgressDialog& PasswordProgress() { return m_passwordProgress; }
  ProgressDialog& SaveProgress() { return m_saveProgress; }
  // The password dialog, one for the run.
  PasswordCheck& Password() { return m_password; }
  // Finds a device again after a save moved it; Step 1 waits for it before searching.
  DeviceFollow& Follow() { return m_follow; }

  DeviceSelection& Selection() { return m_selection; }
  DeviceList& Devices() { return m_selection.Devices(); }
  SharedBuffers& Buffers() { return m_selection.Buffers(); }
  const std::optional<DeviceIdentity>& VerifiedDevice() const {
    return m_selection.VerifiedDevice();
  }
  void SetVerifiedDevice(DeviceIdentity device) {
    m_selection.SetVerifiedDevice(std::move(device));
  }
  const Services& GetServices() const { return m_services; }

 private:
  const Services& m_services;
  DeviceSelection m_selection;
  ProgressDialog m_searchProgress;
  ProgressDialog m_passwordProgress;
  ProgressDialog m_saveProgress;
  PasswordCheck m_password;  // after the box it uses, so that it goes first
  DeviceFollow m_follow;     // likewise
  SearchPage m_step1;
  IpSettingsPage m_step2;
  DateTimePage m_step3;
  SavePage m_step4;
};

}  // namespace tamberlyx
