#pragma once

#include <QPointer>
#include <QString>
#include <array>
#include <string>

#include "pages/device_page.h"
#include "ui/color_button.h"

namespace tamberlyx {

class IpAddressEdit;
class LowerCaseEdit;

// Step 2: server name and addressing, read from and written to the working settings.
class IpSettingsPage : public DevicePage {
 public:
  IpSettingsPage(const Services& services, DeviceSelection& selection, const PageLinks& links);

  // The run-time labels of the current window, in the order they are made: "Server Name",
  // "IP Address", "Subnet Mask", "Gateway", "DNS Server" and the paragraph beside them.
  const std::array<QPointer<ColorLabel>, 6>& FieldLabels() const { return m_labels; }

 protected:
  void OnCreate(QDialog& window) override;
  void OnInitDialog(QDialog& window) override;
  void OnCommand(int id) override;

 private:
  // The name field and the four address controls from the working settings.
  void FillFromSettings();
  void OnManualAddress();
  void OnDhcpAddress();
  void SetMode(bool manual);
  void OpenToKeyboard();
  void OnNext();
  void OnBack();
  // Next's own work, done only when Step 3 has no window yet: every entry or, with a message
  // when they would not fit, none (false).
  bool WriteSettings();
  std::string NameToWrite() const;

  QPointer<LowerCaseEdit> m_name;
  // IP address, subnet mask, default gateway, DNS server.
  std::array<QPointer<IpAddressEdit>, 4> m_addresses;
  std::array<QPointer<ColorLabel>, 6> m_labels;
  QPointer<ColorRadioButton> m_manual;
  QPointer<ColorRadioButton> m_dhcp;
  // The name as reported and as the field showed it, so that bytes the field cannot show go
  // back unchanged when the user leaves the name alone.
  std::string m_reportedName;
  QString m_shownName;
};

}  // namespace tamberlyx
