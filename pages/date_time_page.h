#pragma once

#include <QPointer>
#include <array>

#include "pages/device_page.h"

class QComboBox;
class QDateTimeEdit;

namespace tamberlyx {

// Step 3: time zone, date and time, read from and written to the working settings. The
// device's NTP server passes through a list the user never sees.
class DateTimePage : public DevicePage {
 public:
  DateTimePage(const Services& services, DeviceSelection& selection, const PageLinks& links);

  // The "Time Zone", "Date" and "Time" labels of the current window.
  const std::array<QPointer<ColorLabel>, 3>& FieldLabels() const { return m_labels; }

 protected:
  void OnCreate(QDialog& window) override;
  void OnInitDialog(QDialog& window) override;
  void OnCommand(int id) override;

 private:
  void OnNext();
  void OnBack();
  // Next's own work, done only when Step 4 has no window yet: every entry or, with a message
  // when they would not fit, none (false).
  bool WriteSettings();

  QPointer<QDateTimeEdit> m_date;
  QPointer<QDateTimeEdit> m_time;
  QPointer<QComboBox> m_ntpServers;
  QPointer<QComboBox> m_timeZones;
  std::array<QPointer<ColorLabel>, 3> m_labels;
};

}  // namespace tamberlyx
