#include "pages/save_dlg.h"

#include "pages/page_ids.h"
#include "pages/page_templates.h"
#include "pages/switch_to_page.h"
#include "pages/wizard.h"

namespace tamberlyx {

CSaveDlg::CSaveDlg(Wizard& wizard)
    : WizardPage(SaveTemplate(), SaveHeader()), m_wizard(wizard), m_back(wizard) {}

void CSaveDlg::OnCommand(int id) {
  // Save (1016) writes the settings to the device; that page content comes separately.
  if (id == kIdSaveBack) OnBack();
}

void CSaveDlg::OnBack() {
  SwitchToPage(this, m_back, kDateTimeTemplateId);
}

}  // namespace tamberlyx
