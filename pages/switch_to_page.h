#pragma once

#include <functional>

namespace tamberlyx {

class WizardPage;

// The one way a page replaces another. If `target` already has a window it is only shown and
// nothing else happens. Otherwise `work` runs (when it returns false the current page stays and
// nothing else happens), the window of `current` (if any) is destroyed, and the target's window
// is made from `templateId`, owned by the application's main window, centred over it and shown.
// Returns whether the target's window was made here.
bool SwitchToPage(WizardPage* current, WizardPage& target, unsigned templateId,
                  const std::function<bool()>& work = {});

}  // namespace tamberlyx
