#include "cli/apply_file/address_moves.h"

#include <algorithm>
#include <map>

#include "protocol/ipv4_text.h"
#include "protocol/settings_keys.h"

namespace tamberlyx::cli {
namespace {

std::string MoveText(const EntryMove& entry) {
  const std::string from = FormatIpv4(entry.move.from);
  const std::string at = entry.label.ends_with(" " + from) ? "" : " (at " + from + ")";
  return entry.label + at + " to " + FormatIpv4(*entry.move.to);
}

void SameTargetRefusals(const std::vector<EntryMove>& moves, const SaveOrder& order,
                        std::vector<FileError>& refusals) {
  std::map<std::uint32_t, std::size_t> first;
  for (const std::size_t i : order.sameTarget) {
    const std::uint32_t target = *moves[i].move.to;
    const auto [earlier, fresh] = first.emplace(target, i);
    if (fresh) continue;
    refusals.push_back({moves[i].at, moves[i].label + " is given the fixed address " +
                                         FormatIpv4(target) + ", as " +
                                         moves[earlier->second].label + " is"});
  }
}

// Refused at the entry that comes first in the file, naming every entry of the ring.
void CycleRefusal(const std::vector<EntryMove>& moves, const SaveOrder& order,
                  std::vector<FileError>& refusals) {
  if (order.cycle.empty()) return;
  std::string ring;
  for (const std::size_t i : order.cycle) ring += (ring.empty() ? "" : ", ") + MoveText(moves[i]);
  const std::size_t first = std::ranges::min(order.cycle);
  refusals.push_back(
      {moves[first].at, ring + ": each takes an address another still holds, so no "
                               "order of saves works; move one to a free address first"});
}

}  // namespace

SaveOrder OrderEntries(const std::vector<EntryMove>& moves) {
  std::vector<AddressMove> plain;
  for (const EntryMove& entry : moves) plain.push_back(entry.move);
  return OrderSaves(plain);
}

std::vector<FileError> MoveRefusals(const std::vector<EntryMove>& moves, const SaveOrder& order) {
  std::vector<FileError> refusals;
  SameTargetRefusals(moves, order, refusals);
  CycleRefusal(moves, order, refusals);
  std::ranges::stable_sort(refusals, [](const FileError& a, const FileError& b) {
    return std::pair(a.at.line, a.at.column) < std::pair(b.at.line, b.at.column);
  });
  return refusals;
}

TextPosition AddressAt(const FileDevice& device) {
  for (const FileSetting& setting : device.settings) {
    if (setting.entry.key == kKeyIpAddress) return setting.at;
  }
  return device.at;
}

std::vector<EntryMove> MovesInFile(const ApplyFile& file) {
  std::vector<EntryMove> moves;
  for (const FileDevice& device : file.devices) {
    std::optional<std::uint32_t> to;
    bool dhcp = false;
    for (const FileSetting& setting : device.settings) {
      if (setting.entry.key == kKeyBootProto) dhcp = setting.entry.value == kBootProtoDhcp;
      if (setting.entry.key == kKeyIpAddress) to = ParseIpv4(setting.entry.value);
    }
    if (dhcp || !to) continue;
    // Where a device named otherwise answers is known only after the search.
    const std::optional<std::uint32_t> from =
        device.naming == DeviceNaming::kAddress ? ParseIpv4(device.identifier) : std::nullopt;
    moves.push_back({{from.value_or(*to), to}, DeviceLabel(device), AddressAt(device)});
  }
  return moves;
}

}  // namespace tamberlyx::cli
