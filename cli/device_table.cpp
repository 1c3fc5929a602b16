#include "cli/device_table.h"

#include <algorithm>
#include <array>

#include "cli/utf8.h"
#include "protocol/settings_keys.h"
#include "protocol/settings_text.h"

namespace tamberlyx::cli {
namespace {

using Row = std::array<std::string, 4>;

std::string Printable(std::string_view text) {
  std::string out(text);
  std::ranges::replace_if(
      out, [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }, '?');
  return out;
}

// Characters, not bytes, so that UTF-8 names keep the columns aligned.
std::size_t DisplayWidth(std::string_view text) {
  std::size_t width = 0;
  for (std::size_t at = 0; at < text.size(); ++width) {
    at += std::max<std::size_t>(Utf8SequenceLength(text, at), 1);
  }
  return width;
}

Row MakeRow(const DeviceRecord& record) {
  return {Printable(record.hostName), record.address, AddressingMode(record),
          Printable(GetSettingValue(record.settingsText, "nwk.mac"))};
}

std::string FormatRow(const Row& row, const std::array<std::size_t, 4>& widths) {
  std::string line;
  for (std::size_t column = 0; column < row.size(); ++column) {
    line += row[column];
    if (column + 1 == row.size()) break;
    line.append(widths[column] - DisplayWidth(row[column]) + 2, ' ');
  }
  line.erase(line.find_last_not_of(' ') + 1);
  return line + "\n";
}

}  // namespace

std::string AddressingMode(const DeviceRecord& record) {
  return GetSettingValue(record.settingsText, kKeyBootProto) == kBootProtoDhcp ? "DHCP" : "fixed";
}

std::string FormatDeviceTable(const std::vector<DeviceRecord>& records) {
  std::vector<Row> rows{{"NAME", "ADDRESS", "MODE", "MAC"}};
  for (const DeviceRecord& record : records) rows.push_back(MakeRow(record));
  std::array<std::size_t, 4> widths{};
  for (const Row& row : rows) {
    for (std::size_t column = 0; column < row.size(); ++column) {
      widths[column] = std::max(widths[column], DisplayWidth(row[column]));
    }
  }
  std::string table;
  for (const Row& row : rows) table += FormatRow(row, widths);
  return table;
}

}  // namespace tamberlyx::cli
