#include "pages/device_page.h"

#include <QDialog>

#include "pages/logic/device_selection.h"
#include "pages/page_messages.h"
#include "pages/services.h"
#include "pages/switch_to_page.h"

namespace tamberlyx {

DevicePage::DevicePage(const Services& services, DeviceSelection& selection, const PageLinks& links,
                       const DialogTemplate& dialogTemplate, const PageHeader& header)
    : WizardPage(dialogTemplate, header),
      m_services(services),
      m_selection(selection),
      m_links(links) {}

void DevicePage::DropOutdatedWindow() {
  const auto& verified = m_selection.VerifiedDevice();
  const bool otherDevice = !m_shown || !verified || m_shown->device != *verified;
  if (HasWindow() && (otherDevice || !ShowsWorkingCopy())) DestroyWindow();
}

bool DevicePage::StayWithVerifiedDevice() {
  const DeviceCheck check = m_shown ? m_selection.Check(*m_shown) : DeviceCheck::kOther;
  if (check == DeviceCheck::kSame) return true;
  if (check == DeviceCheck::kReadAgain) {
    m_services.ShowMessage(Window(), page_messages::DeviceReadAgain());
    RestartFromStep2();
    return false;
  }
  const bool moved = check == DeviceCheck::kMoved;
  m_services.ShowMessage(
      Window(), moved ? page_messages::DeviceMoved() : page_messages::OtherDeviceSelected());
  DestroyWindow();
  if (moved) SwitchToPage(nullptr, m_links.step1, m_links.step1.TemplateId());
  return false;
}

void DevicePage::RestartFromStep2() {
  const DeviceRead now = m_selection.Current();
  for (DevicePage* page = &m_links.step2; page != nullptr; page = page->m_links.next) {
    if (page->HasWindow() && page->m_shown != now) page->DestroyWindow();
  }
  SwitchToPage(nullptr, m_links.step2, m_links.step2.TemplateId());
}

bool DevicePage::MoveNext(const std::function<bool()>& work) {
  return m_links.next && MoveTo(*m_links.next, work);
}

bool DevicePage::MoveBack() {
  if (!m_links.previous) return SwitchToPage(this, m_links.step1, m_links.step1.TemplateId());
  return MoveTo(*m_links.previous, {});
}

bool DevicePage::MoveBackToStep2() {
  return MoveTo(m_links.step2, {});
}

bool DevicePage::MoveTo(DevicePage& target, const std::function<bool()>& work) {
  if (!StayWithVerifiedDevice()) return false;
  target.DropOutdatedWindow();
  return SwitchToPage(this, target, target.TemplateId(), work);
}

void DevicePage::OnWindowReady() {
  m_shown = m_selection.Current();
}

}  // namespace tamberlyx
