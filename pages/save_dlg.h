#pragma once

#include "pages/date_time_dlg.h"
#include "pages/wizard_page.h"

namespace tamberlyx {

class Wizard;

// Step 4: old and new settings side by side, and the save.
class CSaveDlg : public WizardPage {
 public:
  explicit CSaveDlg(Wizard& wizard);

  // The Step 3 object that Back opens; used for nothing else.
  CDateTimeDlg& BackPage() { return m_back; }

 protected:
  void OnCommand(int id) override;

 private:
  void OnBack();

  Wizard& m_wizard;
  CDateTimeDlg m_back;
};

}  // namespace tamberlyx
