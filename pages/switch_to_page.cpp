#include "pages/switch_to_page.h"

#include <QDialog>

#include "pages/wizard_page.h"
#include "ui/main_window.h"
#include "ui/window_placement.h"

namespace tamberlyx {
namespace {

void ShowPage(QDialog& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace

bool SwitchToPage(WizardPage* current, WizardPage& target, unsigned templateId,
                  const std::function<bool()>& work) {
  if (target.HasWindow()) {
    ShowPage(*target.Window());
    return false;
  }
  if (work && !work()) return false;
  if (current) current->DestroyWindow();
  QWidget* mainWindow = ApplicationMainWindow();
  // A window that cannot be made leaves the user with the welcome dialog.
  if (!target.Create(templateId, mainWindow)) return false;
  CentreOverMainWindow(*target.Window(), mainWindow);
  ShowPage(*target.Window());
  return true;
}

}  // namespace tamberlyx
