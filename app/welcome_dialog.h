#pragma once

#include <QIcon>

#include "ui/skinned_dialog.h"

namespace tamberlyx {

class Wizard;

// The welcome dialog: the main window for the whole run. Setup opens Step 1 beside it;
// Exit, Escape and the close box end the run.
class WelcomeDialog : public SkinnedDialog {
  Q_OBJECT

 public:
  explicit WelcomeDialog(Wizard& wizard, QWidget* parent = nullptr);

 private:
  void OnInitDialog();
  void OnSetup();

  Wizard& m_wizard;
  QIcon m_icon;
};

}  // namespace tamberlyx
