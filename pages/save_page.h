#pragma once

#include <QFont>
#include <QPointer>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "pages/device_page.h"
#include "pages/logic/settings_columns.h"
#include "pages/new_address_check.h"
#include "protocol/exchange.h"
#include "ui/color_button.h"

namespace tamberlyx {

class DeviceFollow;
class PageExchange;
class ProgressDialog;

// Step 4: the old and the new settings side by side, and the save that writes the new ones to
// the device. The page closes itself when a save has ended, whatever its outcome.
class SavePage : public DevicePage, private ExchangeOwner {
 public:
  // After a save that moves the device, `follow` finds it again.
  SavePage(const Services& services, DeviceSelection& selection, const PageLinks& links,
           ProgressDialog& saveProgress, DeviceFollow& follow);
  ~SavePage() override;

  // The labels and the check box of the current window.
  using Column = std::array<QPointer<ColorLabel>, kSettingsRows>;
  const Column& OldValues() const { return m_oldValues; }
  const Column& NewValues() const { return m_newValues; }
  ColorLabel* Warning() const { return m_warning.data(); }
  ColorCheckBox* DriveCheckBox() const { return m_driveBox.data(); }

 protected:
  void OnCreate(QDialog& window) override;
  void OnInitDialog(QDialog& window) override;
  void OnCommand(int id) override;
  bool ShowsWorkingCopy() const override;

 private:
  void OnSave();
  // True while the window shows the new settings Save would send; otherwise the window is made
  // anew from them, and false.
  bool StayWithShownSettings();
  // The new settings with the save's rewrite of the language entry; none, and what to shorten
  // said, when that would not fit.
  std::optional<std::string> SettingsToSave();
  void ConfirmAndSend(std::string settings);
  void OnBack();
  void SendSettings();
  // Whether the save gives the device a new address, or one from DHCP.
  bool SaveMovesDevice() const;
  static bool MovesToDhcp(const SharedBuffers& buffers);
  // Keeps the progress box while the device is found again where the save sent it; false when
  // the save does not move it.
  bool FollowDevice();
  // The save's message, with `line` below it when there is one, then the drive mapping at
  // `deviceAddress`; the page closes.
  void EndSave(const std::string& line, const std::string& deviceAddress);
  void MapNetworkDrive(const std::string& deviceAddress);

  // The SET exchange.
  void StepProgress() override;
  void OnReply(const Reply& reply) override;
  void OnEndOfTime(bool socketWasOpen) override;
  void ShowMessage(const Message& message) override;

  ProgressDialog& m_progress;
  DeviceFollow& m_follow;
  std::optional<QFont> m_newHeadingFont;  // the one font of this page the others do not make
  Column m_oldValues;
  Column m_newValues;
  QPointer<ColorLabel> m_warning;
  QPointer<ColorCheckBox> m_driveBox;
  std::string m_newServerName;  // as the settings hold it, for the drive mapping
  std::string m_shownSettings;  // the new settings the window shows, which Save sends
  bool m_saved = false;
  NewAddressCheck m_addressCheck;
  // Made at the first save and kept: a reply handler must not destroy the exchange it runs in.
  std::unique_ptr<PageExchange> m_exchange;
};

}  // namespace tamberlyx
