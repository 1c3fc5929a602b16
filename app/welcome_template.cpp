#include "app/welcome_template.h"

namespace tamberlyx {

const DialogTemplate& WelcomeTemplate() {
  static const DialogTemplate dialog{
      kWelcomeTemplateId,
      278,
      146,
      "Tamberlyx Link - Setup Wizard v1.60",
      {
          {kIdSetup, ControlKind::kDefaultPushButton, 170, 131, 50, 10, "Setup", 152},
          {kIdCancel, ControlKind::kPushButton, 49, 131, 50, 10, "Exit", 151},
      }};
  return dialog;
}

}  // namespace tamberlyx
