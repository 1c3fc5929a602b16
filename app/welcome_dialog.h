#pragma once

#include <QIcon>

#include "ui/skinned_dialog.h"

namespace tamberlyx {

class WizardPage;

// The welcome dialog: the main window for the whole run. Setup opens Step 1 beside it;
// Exit, Escape and the close box end the run.
class WelcomeDialog : public SkinnedDialog {
  Q_OBJECT

 public:
  // Setup opens `step1`.
  explicit WelcomeDialog(WizardPage& step1, QWidget* parent = nullptr);

 private:
  void OnInitDialog();
  void OnSetup();

  WizardPage& m_step1;
  QIcon m_icon;
};

}  // namespace tamberlyx
