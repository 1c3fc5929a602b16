#include "cli/output/device_table.h"

#include <algorithm>
#include <array>
#include <functional>

#include "cli/output/printable_text.h"
#include "protocol/settings_keys.h"
#include "protocol/settings_text.h"
#include "protocol/utf8.h"

namespace tamberlyx::cli {
namespace {

TableRow MakeRow(const DeviceRecord& record) {
  return {PrintableText(record.hostName), record.address, AddressingMode(record),
          PrintableText(GetSettingValue(record.settingsText, kKeyMac))};
}

std::string FormatRow(const TableRow& row, const std::array<std::size_t, 4>& widths) {
  std::string line;
  for (std::size_t column = 0; column < row.size(); ++column) {
    line += row[column];
    if (column + 1 == row.size()) break;
    line.append(widths[column] - Utf8CharacterCount(row[column]) + 2, ' ');
  }
  line.erase(line.find_last_not_of(' ') + 1);
  return line + "\n";
}

}  // namespace

std::string AddressingMode(const DeviceRecord& record) {
  return GetSettingValue(record.settingsText, kKeyBootProto) == kBootProtoDhcp ? "DHCP" : "fixed";
}

std::string FormatTable(std::size_t count, const std::function<TableRow(std::size_t)>& row) {
  std::array<std::size_t, 4> widths{};
  for (std::size_t index = 0; index < count; ++index) {
    const TableRow cells = row(index);
    for (std::size_t column = 0; column < cells.size(); ++column) {
      widths[column] = std::max(widths[column], Utf8CharacterCount(cells[column]));
    }
  }
  // Grown line by line, the table of a large run would be held up to twice over.
  std::string table;
  table.reserve(count * (widths[0] + widths[1] + widths[2] + widths[3] + 2 * 3 + 1));
  for (std::size_t index = 0; index < count; ++index) table += FormatRow(row(index), widths);
  return table;
}

std::string FormatTable(const std::vector<TableRow>& rows) {
  return FormatTable(rows.size(), [&](std::size_t index) { return rows[index]; });
}

std::string FormatDeviceTable(const std::vector<DeviceRecord>& records) {
  std::vector<TableRow> rows{{"NAME", "ADDRESS", "MODE", "MAC"}};
  for (const DeviceRecord& record : records) rows.push_back(MakeRow(record));
  return FormatTable(rows);
}

}  // namespace tamberlyx::cli
