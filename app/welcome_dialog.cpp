#include "app/welcome_dialog.h"

#include <QPushButton>

#include "app/welcome_template.h"
#include "pages/switch_to_page.h"
#include "pages/wizard_page.h"
#include "ui/control_id.h"
#include "ui/fonts.h"
#include "ui/skin_pictures.h"
#include "ui/template_builder.h"

namespace tamberlyx {
namespace {

constexpr int kButtonFontCellPixels = 15;

}  // namespace

WelcomeDialog::WelcomeDialog(WizardPage& step1, QWidget* parent)
    : SkinnedDialog(QString::fromLatin1(kWelcomePicture), parent, kPopupDialogFlags),
      m_step1(step1),
      m_icon(ApplicationIcon()) {
  OnInitDialog();
}

void WelcomeDialog::OnInitDialog() {
  setWindowIcon(m_icon);
  BuildFromTemplate(*this, WelcomeTemplate(), ArialCellFont(kButtonFontCellPixels, QFont::Bold));
  // Exit is the cancel command; the dialog's own reject ends the modal run.
  auto* exitButton = qobject_cast<QPushButton*>(FindControl(*this, kIdCancel));
  connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
  auto* setupButton = qobject_cast<QPushButton*>(FindControl(*this, kIdSetup));
  connect(setupButton, &QPushButton::clicked, this, [this] { OnSetup(); });
  setupButton->setFocus();
}

void WelcomeDialog::OnSetup() {
  SwitchToPage(nullptr, m_step1, m_step1.TemplateId());
}

}  // namespace tamberlyx
