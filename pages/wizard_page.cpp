#include "pages/wizard_page.h"

#include <QPushButton>

#include "ui/control_id.h"
#include "ui/skin_pictures.h"
#include "ui/skinned_dialog.h"
#include "ui/template_builder.h"

namespace tamberlyx {
WizardPage::WizardPage(const DialogTemplate& dialogTemplate, const PageHeader& header)
    : m_template(dialogTemplate), m_header(header) {}

WizardPage::~WizardPage() {
  delete m_window.data();
}

QDialog* WizardPage::Window() const {
  return m_window.data();
}

bool WizardPage::Create(unsigned templateId, QWidget* owner) {
  if (templateId != m_template.id || HasWindow()) return false;
  auto* window = new SkinnedDialog(QString::fromLatin1(kPagePicture), owner, kPopupDialogFlags);
  m_window = window;
  ApplyTemplateFrame(*window, m_template);
  m_fonts.Ensure();
  m_stepNumber = MakeHeaderLabel(*window, m_fonts, m_header.stepNumber);
  m_title = MakeHeaderLabel(*window, m_fonts, m_header.title);
  OnCreate(*window);
  CreateTemplateControls(*window, m_template, m_fonts.Label());
  ConnectButtons(*window);
  OnInitDialog(*window);
  OnWindowReady();
  return true;
}

void WizardPage::DestroyWindow() {
  if (!m_window) return;
  SkinnedDialog* window = m_window.data();
  m_window.clear();
  window->hide();
  window->deleteLater();
}

void WizardPage::EndDialogCancel() {
  if (m_window) m_window->reject();
}

QWidget* WizardPage::Control(int id) const {
  return m_window ? FindControl(*m_window, id) : nullptr;
}

void WizardPage::ConnectButtons(QDialog& window) {
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    const int id = ControlId(*button);
    if (id == kNoControlId) continue;
    QObject::connect(button, &QPushButton::clicked, &window, [this, id] { OnCommand(id); });
  }
}

}  // namespace tamberlyx
