#include "cli/discover/interface_listing.h"

#include <algorithm>
#include <sstream>

#include "cli/output/device_table.h"
#include "cli/output/json_text.h"

namespace tamberlyx::cli {
namespace {

constexpr std::string_view kHeading = "INTERFACE";

// Interface names come from this PC, not from a device, and are ASCII: a byte is a column.
std::string Column(const std::vector<std::string>& interfaces, std::size_t row) {
  if (row == 0) return std::string(kHeading);
  const std::string& name = row - 1 < interfaces.size() ? interfaces[row - 1] : std::string();
  return name.empty() ? "-" : name;
}

}  // namespace

std::string FormatDeviceTableWithInterfaces(const std::vector<DeviceRecord>& records,
                                            const std::vector<std::string>& interfaces) {
  std::size_t width = kHeading.size();
  for (std::size_t row = 1; row <= records.size(); ++row) {
    width = std::max(width, Column(interfaces, row).size());
  }
  std::istringstream table(FormatDeviceTable(records));
  std::string out;
  std::size_t row = 0;
  for (std::string line; std::getline(table, line); ++row) {
    std::string column = Column(interfaces, row);
    column.resize(width + 2, ' ');
    out += column + line + "\n";
  }
  return out;
}

std::string DevicesWithInterfacesAsJson(const std::vector<DeviceRecord>& records,
                                        const std::vector<std::string>& interfaces) {
  std::vector<JsonValue> elements;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const std::string name = i < interfaces.size() ? interfaces[i] : std::string();
    elements.push_back({{"address", JsonText(records[i].address)},
                        {"name", JsonText(records[i].hostName)},
                        {"interface", name.empty() ? JsonValue() : JsonText(name)},
                        {"settings", JsonText(records[i].settingsText)}});
  }
  return JsonLines(elements);
}

}  // namespace tamberlyx::cli
