#pragma once

#include <QDialog>
#include <memory>

#include "protocol/exchange.h"
#include "protocol/shared_buffers.h"

class QLineEdit;
class QPushButton;

namespace tamberlyx {

class DeviceSelection;
class PageExchange;
class ProgressDialog;
struct Services;

// Asks the selected device whether the typed admin password is right. Run with exec():
// QDialog::Accepted once the device answered that it is, QDialog::Rejected when the user
// cancelled or the device never answered. The password of the last check stays in the shared
// buffers for the drive mapping after a save. One object serves every check of a run: it is
// attached to the asking window for a check and detached after it.
class PasswordDialog : public QDialog, private ExchangeOwner {
  Q_OBJECT

 public:
  // Made hidden and ownerless.
  PasswordDialog(const Services& services, DeviceSelection& selection, ProgressDialog& progress);
  ~PasswordDialog() override;

  // Ready for a new check, owned by `owner` (without one, by the active window), centred over
  // it at the next show, as a newly made dialog would be: the field empty and focused, the
  // controls usable, no earlier check still waiting. Only while hidden.
  void AttachTo(QWidget* owner);
  // After a check: whatever still waits ends, the dialog hides and belongs to no window again,
  // so that it outlives the window that asked.
  void Detach();

  QLineEdit* PasswordEdit() const { return m_edit; }
  QPushButton* OkButton() const { return m_ok; }
  QPushButton* CancelButton() const { return m_cancel; }
  // True while a check waits for the device.
  bool Checking() const;

  // Cancel, Escape and the close box. A check still waiting goes first, so that CLIENT_PORT
  // is free again for the exchanges that follow.
  void reject() override;

 private:
  void OnOK();
  // Ends a check still waiting, which frees CLIENT_PORT.
  void EndCheck();
  // The controls usable again and the progress box gone, whatever ended the wait.
  void EndWaiting();

  void StepProgress() override;
  void OnReply(const Reply& reply) override;
  void OnEndOfTime(bool socketWasOpen) override;
  void ShowMessage(const Message& message) override;

  const Services& m_services;
  DeviceSelection& m_selection;
  ProgressDialog& m_progress;
  QLineEdit* m_edit;
  QPushButton* m_ok;
  QPushButton* m_cancel;
  std::unique_ptr<PageExchange> m_verify;
  DeviceIdentity m_asked;  // the device the running check asks
};

}  // namespace tamberlyx
