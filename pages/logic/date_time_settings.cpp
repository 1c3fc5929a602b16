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

void WriteDateTimeChoice(std::string& settings, const DateTimeChoice& choice) {
  const std::vector<std::string_view> rows = TimeZoneRows();
  if (choice.timeZoneRow >= 0 && static_cast<std::size_t>(choice.timeZoneRow) < rows.size()) {
    ReplaceSettingValue(settings, kKeyTimeZone,
                        TimeZoneDesignation(rows[static_cast<std::size_t>(choice.timeZoneRow)]));
  }
  ReplaceSettingValue(settings, kKeyDate, FormatDate(choice.date));
  ReplaceSettingValue(settings, kKeyTime, FormatTime(choice.time));
  if (const std::optional<std::string> ntp = NtpServerValue(choice.ntpItem)) {
    ReplaceSettingValue(settings, kKeyNtpServer, *ntp);
  }
}

}  // namespace tamberlyx
