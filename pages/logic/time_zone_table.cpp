#include "pages/logic/time_zone_table.h"

namespace tamberlyx {

const std::array<const char*, kTimeZoneRows + 1> timeZoneTable = {
    "(GMT-12:00) Eniwetok, Kwajalein",
    "(GMT-11:00) Midway Island, Samoa",
    "(GMT-10:00) Hawaii",
    "(GMT-09:00) Alaska",
    "(GMT-08:00) Pacific Time (US & Canada), Tijuana",
    "(GMT-07:00) Arizona",
    "(GMT-07:00) Mountain Time (US & Canada)",
    "(GMT-06:00) Central Time (US & Canada)",
    "(GMT-06:00) Mexico City, Tegucigalpa",
    "(GMT-06:00) Saskatchewan",
    "(GMT-05:00) Bogota, Lima, Quito",
    "(GMT-05:00) Eastern Time (US & Canada)",
    "(GMT-05:00) Indiana (East)",
    "(GMT-04:00) Atlantic Time (Canada)",
    "(GMT-04:00) Caracas, La Paz",
    "(GMT-04:00) Santiago",
    "(GMT-03:30) Newfoundland",
    "(GMT-03:00) Brasilia",
    "(GMT-03:00) Buenos Aires, Georgetown",
    "(GMT-02:00) Mid-Atlantic",
    "(GMT-01:00) Azores, Cape Verde Is.",
    "(GMT) Casablanca, Monrovia",
    "(GMT) Greenwich Mean Time: Edinburgh, London",
    "(GMT+01:00) Amsterdam, Berlin, Bern, Rome, Vienna",
    "(GMT+01:00) Belgrade, Budapest, Ljubljana, Prague",
    "(GMT+01:00) Brussels, Copenhagen, Madrid, Paris",
    "(GMT+01:00) Sarajevo, Skopje, Sofija, Warsaw, Zagreb",
    "(GMT+02:00) Athens, Istanbul, Minsk",
    "(GMT+02:00) Bucharest",
    "(GMT+02:00) Cairo",
    "(GMT+02:00) Harare, Pretoria",
    "(GMT+02:00) Helsinki, Riga, Tallinn",
    "(GMT+02:00) Israel",
    "(GMT+03:00) Baghdad, Kuwait, Riyadh",
    "(GMT+03:00) Moscow, St. Petersburg, Volgograd",
    "(GMT+03:00) Nairobi",
    "(GMT+03:30) Tehran",
    "(GMT+04:00) Abu Dhabi, Muscat",
    "(GMT+04:00) Baku, Tbilisi",
    "(GMT+04:30) Kabul",
    "(GMT+05:00) Ekaterinburg",
    "(GMT+05:00) Islamabad, Karachi, Tashkent",
    "(GMT+05:30) Bombay, Calcutta, Madras, New Delhi",
    "(GMT+06:00) Almaty, Dhaka",
    "(GMT+06:00) Colombo",
    "(GMT+07:00) Bangkok, Hanoi, Jakarta",
    "(GMT+08:00) Beijing, Chongqing, Hong Kong",
    "(GMT+08:00) Perth",
    "(GMT+08:00) Singapore",
    "(GMT+08:00) Taipei",
    "(GMT+09:00) Osaka, Sapporo, Tokyo",
    "(GMT+09:00) Seoul",
    "(GMT+09:00) Yakutsk",
    "(GMT+09:30) Adelaide",
    "(GMT+09:30) Darwin",
    "(GMT+10:00) Brisbane",
    "(GMT+10:00) Canberra, Melbourne, Sydney",
    "(GMT+10:00) Guam, Port Moresby",
    "(GMT+10:00) Hobart",
    "(GMT+10:00) Vladivostok",
    "(GMT+11:00) Magadan, Solomon Is., New Caledonia",
    "(GMT+12:00) Auckland, Wellington",
    "(GMT+12:00) Fiji, Kamchatka, Marshall Is.",
    kTimeZoneTableEnd,
};

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::vector<std::string_view> TimeZoneRows() {
  std::vector<std::string_view> rows;
  for (const char* row : timeZoneTable) {
    if (std::string_view(row) == kTimeZoneTableEnd) break;
    rows.emplace_back(row);
  }
  return rows;
}

std::string TimeZoneDesignation(std::string_view row) {
  const std::size_t close = row.find(')');
  if (close == std::string_view::npos) return {};
  std::size_t begin = close + 1;
  while (begin < row.size() && IsBlank(row[begin])) ++begin;
  std::size_t end = begin;
  while (end < row.size() && !IsBlank(row[end]) && row[end] != ',') ++end;
  return std::string(row.substr(begin, end - begin));
}

int TimeZoneRowFor(std::string_view value) {
  if (value.empty()) return 0;
  const std::vector<std::string_view> rows = TimeZoneRows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (TimeZoneDesignation(rows[i]) == value) return static_cast<int>(i);
  }
  int selected = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].find(value) != std::string_view::npos) selected = static_cast<int>(i);
  }
  return selected;
}

}  // namespace tamberlyx
