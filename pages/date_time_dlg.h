#pragma once

#include "pages/ip_setting_dlg.h"
#include "pages/wizard_page.h"

namespace tamberlyx {

class Wizard;

// Step 3: time zone, date and time, read from and written to the working settings.
class CDateTimeDlg : public WizardPage {
 public:
  explicit CDateTimeDlg(Wizard& wizard);

  // The Step 2 object that Back opens; used for nothing else.
  CIpSettingDlg& BackPage() { return m_back; }

 protected:
  void OnCommand(int id) override;

 private:
  void OnNext();
  void OnBack();
  // Next's own work, done only when Step 4 has no window yet.
  void WriteSettings();

  Wizard& m_wizard;
  CIpSettingDlg m_back;
};

}  // namespace tamberlyx
