#include "pages/search_dlg.h"

#include "pages/page_ids.h"
#include "pages/page_templates.h"
#include "pages/switch_to_page.h"
#include "pages/wizard.h"

namespace tamberlyx {

CSearchDlg::CSearchDlg(Wizard& wizard)
    : WizardPage(SearchTemplate(), SearchHeader()), m_wizard(wizard) {}

void CSearchDlg::OnCommand(int id) {
  if (id == kIdOk) OnOK();
  if (id == kIdSearchExit) OnExit();
}

void CSearchDlg::OnOK() {
  if (!VerifyAdminPassword()) return;
  // Showing a Step 2 page that still has a window keeps this page and its list.
  if (SwitchToPage(this, m_wizard.Step2(), kIpSettingTemplateId)) {
    m_wizard.Devices().FreeDeviceList();
  }
}

void CSearchDlg::OnExit() {
  m_wizard.Devices().FreeDeviceList();
  EndDialogCancel();
  DestroyWindow();
}

bool CSearchDlg::VerifyAdminPassword() {
  // The password dialog is not built yet: every device counts as verified.
  return true;
}

}  // namespace tamberlyx
