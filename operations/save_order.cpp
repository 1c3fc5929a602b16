#include "operations/save_order.h"

#include <algorithm>
#include <unordered_map>

namespace tamberlyx {
namespace {

bool Moves(const AddressMove& move) {
  return move.to && *move.to != move.from;
}

std::vector<std::size_t> SameTarget(const std::vector<AddressMove>& moves) {
  std::unordered_map<std::uint32_t, std::vector<std::size_t>> byTarget;
  for (std::size_t i = 0; i < moves.size(); ++i) {
    if (moves[i].to) byTarget[*moves[i].to].push_back(i);
  }
  std::vector<std::size_t> clash;
  for (const auto& [address, indexes] : byTarget) {
    if (indexes.size() > 1) clash.insert(clash.end(), indexes.begin(), indexes.end());
  }
  std::ranges::sort(clash);
  return clash;
}

// Follows "waits for" from `start` until it comes back to a move it has seen.
std::vector<std::size_t> CycleFrom(std::size_t start, const std::vector<long>& waitsFor) {
  std::vector<std::size_t> path;
  std::size_t at = start;
  while (std::ranges::find(path, at) == path.end()) {
    path.push_back(at);
    at = static_cast<std::size_t>(waitsFor[at]);
  }
  return {std::ranges::find(path, at), path.end()};
}

}  // namespace

SaveOrder OrderSaves(const std::vector<AddressMove>& moves) {
  SaveOrder result;
  result.sameTarget = SameTarget(moves);
  if (!result.sameTarget.empty()) return result;
  // With distinct targets each move waits for at most one other: the one leaving its target.
  std::unordered_map<std::uint32_t, std::size_t> leaving;
  for (std::size_t i = 0; i < moves.size(); ++i) {
    if (Moves(moves[i])) leaving[moves[i].from] = i;
  }
  std::vector<long> waitsFor(moves.size(), -1);
  for (std::size_t i = 0; i < moves.size(); ++i) {
    if (!Moves(moves[i])) continue;
    const auto holder = leaving.find(*moves[i].to);
    if (holder != leaving.end() && holder->second != i) {
      waitsFor[i] = static_cast<long>(holder->second);
    }
  }
  // Saved once what it waits for is saved; the batch's order otherwise.
  std::vector<bool> saved(moves.size(), false);
  while (result.order.size() < moves.size()) {
    bool progress = false;
    for (std::size_t i = 0; i < moves.size(); ++i) {
      if (saved[i] || (waitsFor[i] >= 0 && !saved[static_cast<std::size_t>(waitsFor[i])])) {
        continue;
      }
      saved[i] = true;
      result.order.push_back(i);
      progress = true;
    }
    if (!progress) {
      const auto stuck = std::ranges::find(saved, false) - saved.begin();
      result.cycle = CycleFrom(static_cast<std::size_t>(stuck), waitsFor);
      result.order.clear();
      return result;
    }
  }
  return result;
}

}  // namespace tamberlyx
