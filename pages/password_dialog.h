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
// buffers for the drive mapping after a save.
class PasswordDialog : public QDialog, private ExchangeOwner {
  Q_OBJECT

 public:
  // Without an owner the dialog belongs to the active window, as an ownerless dialog would.
  PasswordDialog(const Services& services, DeviceSelection& selection, ProgressDialog& progress,
                 QWidget* owner = nullptr);
  ~PasswordDialog() override;

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
