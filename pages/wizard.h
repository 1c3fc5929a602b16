#pragma once

#include "pages/date_time_dlg.h"
#include "pages/ip_setting_dlg.h"
#include "pages/save_dlg.h"
#include "pages/search_dlg.h"
#include "protocol/device_list.h"
#include "protocol/shared_buffers.h"

namespace tamberlyx {

struct Services;

// The program-wide objects of one run: the four page objects (which hold the other six), the
// device list and the buffers the pages hand on to each other, and the services they use.
class Wizard {
 public:
  explicit Wizard(const Services& services);
  Wizard(const Wizard&) = delete;
  Wizard& operator=(const Wizard&) = delete;

  // Forward moves always go to these.
  CSearchDlg& Step1() { return m_step1; }
  CIpSettingDlg& Step2() { return m_step2; }
  CDateTimeDlg& Step3() { return m_step3; }
  CSaveDlg& Step4() { return m_step4; }

  DeviceList& Devices() { return m_devices; }
  SharedBuffers& Buffers() { return m_buffers; }
  const Services& GetServices() const { return m_services; }

 private:
  const Services& m_services;
  DeviceList m_devices;
  SharedBuffers m_buffers;
  CSearchDlg m_step1;
  CIpSettingDlg m_step2;
  CDateTimeDlg m_step3;
  CSaveDlg m_step4;
};

}  // namespace tamberlyx
