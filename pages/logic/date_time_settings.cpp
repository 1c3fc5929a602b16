#include "pages/logic/date_time_settings.h"

#include "pages/logic/ntp_server_list.h"
#include "pages/logic/time_zone_table.h"
#include "protocol/settings_keys.h"
#include "protocol/settings_text.h"

namespace tamberlyx {

DateTimeView ReadDateTimeView(std::string_view settings) {
  DateTimeView view;
  view.timeZoneRow = TimeZoneRowFor(GetSettingValue(settings, kKeyTimeZone));

  CalendarValue value;
  ScanDate(GetSettingValue(settings, kKeyDate), value);
  if (IsPickerValue(value)) view.date = value;
  ScanTime(GetSettingValue(settings, kKeyTime), value);
  if (IsPickerValue(value)) view.time = value;

  view.ntpItems = NtpServerItems(GetSettingValue(settings, kKeyNtpServerList));
  view.ntpSelection = NtpServerSelection(view.ntpItems, GetSettingValue(settings, kKeyNtpServer));
  return view;
}

bool WriteDateTimeChoice(std::string& settings, const DateTimeChoice& choice) {
  std::vector<SettingValue> values;
  const std::vector<std::string_view> rows = TimeZoneRows();
  std::string zone;
  if (choice.timeZoneRow >= 0 && static_cast<std::size_t>(choice.timeZoneRow) < rows.size()) {
    zone = TimeZoneDesignation(rows[static_cast<std::size_t>(choice.timeZoneRow)]);
    values.push_back({kKeyTimeZone, zone});
  }
  const std::string date = FormatDate(choice.date);
  const std::string time = FormatTime(choice.time);
  values.push_back({kKeyDate, date});
  values.push_back({kKeyTime, time});
  const std::optional<std::string> ntp = NtpServerValue(choice.ntpItem);
  if (ntp) values.push_back({kKeyNtpServer, *ntp});
  return !ReplaceSettingValues(settings, values).has_value();
}

}  // namespace tamberlyx
