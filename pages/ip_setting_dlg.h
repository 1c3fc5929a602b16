#pragma once

#include "pages/search_dlg.h"
#include "pages/wizard_page.h"

namespace tamberlyx {

class Wizard;

// Step 2: server name and addressing, read from and written to the working settings.
class CIpSettingDlg : public WizardPage {
 public:
  explicit CIpSettingDlg(Wizard& wizard);

  // The Step 1 object that Back opens; used for nothing else.
  CSearchDlg& BackPage() { return m_back; }

 protected:
  void OnCommand(int id) override;

 private:
  void OnNext();
  void OnBack();
  // Next's own work, done only when Step 3 has no window yet.
  void WriteSettings();

  Wizard& m_wizard;
  CSearchDlg m_back;
};

}  // namespace tamberlyx
