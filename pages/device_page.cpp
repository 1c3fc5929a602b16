#include "pages/device_page.h"

#include "pages/page_messages.h"
#include "pages/services.h"
#include "pages/switch_to_page.h"
#include "pages/wizard.h"

namespace tamberlyx {

DevicePage::DevicePage(Wizard& wizard, const DialogTemplate& dialogTemplate,
                       const PageHeader& header)
    : WizardPage(dialogTemplate, header), m_run(wizard) {}

void DevicePage::DropStaleWindow() {
  if (HasWindow() && Stale()) DestroyWindow();
}

bool DevicePage::StayWithVerifiedDevice() {
  if (m_run.BuffersHoldVerifiedDevice() && !Stale()) return true;
  m_run.GetServices().ShowMessage(Window(), page_messages::OtherDeviceSelected());
  DestroyWindow();
  return false;
}

bool DevicePage::MoveTo(DevicePage& target, unsigned templateId,
                        const std::function<bool()>& work) {
  if (!StayWithVerifiedDevice()) return false;
  target.DropStaleWindow();
  return SwitchToPage(this, target, templateId, work);
}

bool DevicePage::Stale() const {
  return !m_shownDevice || m_shownDevice != m_run.VerifiedDevice();
}

void DevicePage::OnWindowReady() {
  m_shownDevice = SelectedDevice(m_run.Buffers());
}

}  // namespace tamberlyx
