#pragma once

#include <QPointer>

class QWidget;

namespace tamberlyx {

class DeviceSelection;
class PasswordDialog;
class ProgressDialog;
struct Services;

// The admin password checks of a run, all in one dialog. The dialog is made on first use and
// belongs, for the length of a check, to the window that asked, modal over it; between checks
// it belongs to no window. A window that goes while the dialog is open takes it along, and the
// next check makes a new one.
class PasswordCheck {
 public:
  PasswordCheck(const Services& services, DeviceSelection& selection, ProgressDialog& progress);
  ~PasswordCheck();  // deletes the dialog unless a window took it along
  PasswordCheck(const PasswordCheck&) = delete;
  PasswordCheck& operator=(const PasswordCheck&) = delete;

  // Runs a check over `owner`: true once the selected device accepted the typed password.
  bool Ask(QWidget* owner);
  // The dialog, made if there is none.
  PasswordDialog& Dialog();

 private:
  const Services& m_services;
  DeviceSelection& m_selection;
  ProgressDialog& m_progress;
  QPointer<PasswordDialog> m_dialog;
};

}  // namespace tamberlyx
