#include "pages/date_time_dlg.h"

#include "pages/page_ids.h"
#include "pages/page_templates.h"
#include "pages/switch_to_page.h"
#include "pages/wizard.h"

namespace tamberlyx {

CDateTimeDlg::CDateTimeDlg(Wizard& wizard)
    : WizardPage(DateTimeTemplate(), DateTimeHeader()), m_wizard(wizard), m_back(wizard) {}

void CDateTimeDlg::OnCommand(int id) {
  if (id == kIdDateTimeNext) OnNext();
  if (id == kIdDateTimeBack) OnBack();
}

void CDateTimeDlg::OnNext() {
  SwitchToPage(this, m_wizard.Step4(), kSaveTemplateId, [this] { WriteSettings(); });
}

void CDateTimeDlg::OnBack() {
  SwitchToPage(this, m_back, kIpSettingTemplateId);
}

void CDateTimeDlg::WriteSettings() {
  // The page's fields are not built yet, so there is nothing to write.
}

}  // namespace tamberlyx
