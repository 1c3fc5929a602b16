#include "pages/password_check.h"

#include "pages/password_dialog.h"

namespace tamberlyx {

PasswordCheck::PasswordCheck(const Services& services, DeviceSelection& selection,
                             ProgressDialog& progress)
    : m_services(services), m_selection(selection), m_progress(progress) {}

PasswordCheck::~PasswordCheck() {
  delete m_dialog.data();
}

bool PasswordCheck::Ask(QWidget* owner) {
  PasswordDialog& dialog = Dialog();
  dialog.AttachTo(owner);
  const int result = dialog.exec();
  if (!m_dialog) return false;  // its owner went while it was open, and took it along
  m_dialog->Detach();
  return result == QDialog::Accepted;
}

PasswordDialog& PasswordCheck::Dialog() {
  if (!m_dialog) m_dialog = new PasswordDialog(m_services, m_selection, m_progress);
  return *m_dialog;
}

}  // namespace tamberlyx
