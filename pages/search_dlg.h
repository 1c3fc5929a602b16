#pragma once

#include "pages/wizard_page.h"

namespace tamberlyx {

class Wizard;

// Step 1: device search and selection. Every window made for it starts a new search.
class CSearchDlg : public WizardPage {
 public:
  explicit CSearchDlg(Wizard& wizard);

 protected:
  void OnCommand(int id) override;

 private:
  void OnOK();
  void OnExit();
  // The admin password check that must pass before Step 2 opens.
  bool VerifyAdminPassword();

  Wizard& m_wizard;
};

}  // namespace tamberlyx
