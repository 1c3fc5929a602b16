#pragma once

#include "ui/dialog_template.h"

namespace tamberlyx {

inline constexpr unsigned kWelcomeTemplateId = 102;
inline constexpr int kIdSetup = 1002;

// The welcome dialog: 278 × 146 dialog units, Setup and Exit beneath the picture.
const DialogTemplate& WelcomeTemplate();

}  // namespace tamberlyx
