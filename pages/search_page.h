#pragma once

#include <QFont>
#include <QPointer>
#include <array>
#include <memory>
#include <optional>

#include "operations/device_search.h"
#include "pages/wizard_page.h"
#include "protocol/exchange.h"
#include "ui/color_button.h"
#include "ui/empty_list_note.h"

class QListWidget;

namespace tamberlyx {

class DeviceFollow;
class DevicePage;
class DeviceSelection;
class PageExchange;
class PasswordCheck;
class ProgressDialog;
struct Services;

// Step 1: device search and selection. Every window made for it starts a new search; the
// selected device's settings are shown and seed the buffers the later pages work on.
class SearchPage : public WizardPage, private ExchangeOwner {
 public:
  static constexpr std::size_t kRows = 6;

  // `step2` is where OK goes once the selected device accepted the password. A search waits
  // for `follow` to end: both would listen on the client port.
  SearchPage(const Services& services, DeviceSelection& selection, ProgressDialog& searchProgress,
             PasswordCheck& password, DeviceFollow& follow, DevicePage& step2);
  ~SearchPage() override;

  // True from the start of a search until its listening window is over.
  bool Searching() const;

  // Controls of the current window, for the tests and the layout checks.
  QListWidget* DeviceListBox() const;
  // What the list's empty area says after a search that found nothing; hidden otherwise.
  QLabel* NoAnswerNote() const { return m_note ? m_note->Label() : nullptr; }
  ColorGroupBox* SelectionBox() const { return m_selectionBox.data(); }
  const std::array<QPointer<ColorLabel>, kRows>& Captions() const { return m_captions; }
  const std::array<QPointer<ColorLabel>, kRows>& Values() const { return m_values; }

 protected:
  void OnCreate(QDialog& window) override;
  void OnInitDialog(QDialog& window) override;
  void OnCommand(int id) override;

 private:
  void StartSearch();
  void ShowDeviceDetails();
  void OpenDeviceWebPage();
  void OnOK();
  void OnExit();
  // The admin password check that must pass before Step 2 opens.
  bool VerifyAdminPassword();
  void MakeRows(QDialog& window);
  void ShowNoAnswer();

  // The discovery exchange.
  void OnListening() override;
  void StepProgress() override;
  void OnReply(const Reply& reply) override;
  void OnEndOfTime(bool socketWasOpen) override;
  void ShowMessage(const Message& message) override;

  const Services& m_services;
  DeviceSelection& m_selection;
  ProgressDialog& m_progress;
  DeviceFollow& m_follow;
  bool m_waitingForFollow = false;
  PasswordCheck& m_password;
  DevicePage& m_step2;
  std::optional<QFont> m_selectionFont;  // made once per page object, as the other fonts
  std::unique_ptr<PageExchange> m_search;
  QPointer<QListWidget> m_list;
  std::optional<EmptyListNote> m_note;
  DeviceSearch m_found;  // what the search running or last run did with the device list
  QPointer<ColorGroupBox> m_selectionBox;
  std::array<QPointer<ColorLabel>, kRows> m_captions;
  std::array<QPointer<ColorLabel>, kRows> m_values;
};

}  // namespace tamberlyx
