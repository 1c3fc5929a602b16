#include "pages/ip_setting_dlg.h"

#include "pages/page_ids.h"
#include "pages/page_templates.h"
#include "pages/switch_to_page.h"
#include "pages/wizard.h"

namespace tamberlyx {

CIpSettingDlg::CIpSettingDlg(Wizard& wizard)
    : WizardPage(IpSettingTemplate(), IpSettingHeader()), m_wizard(wizard), m_back(wizard) {}

void CIpSettingDlg::OnCommand(int id) {
  if (id == kIdIpNext) OnNext();
  if (id == kIdIpBack) OnBack();
}

void CIpSettingDlg::OnNext() {
  SwitchToPage(this, m_wizard.Step3(), kDateTimeTemplateId, [this] { WriteSettings(); });
}

void CIpSettingDlg::OnBack() {
  SwitchToPage(this, m_back, kSearchTemplateId);
}

void CIpSettingDlg::WriteSettings() {
  // The page's fields are not built yet, so there is nothing to write.
}

}  // namespace tamberlyx
