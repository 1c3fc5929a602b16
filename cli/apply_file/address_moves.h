#pragma once

#include <string>
#include <vector>

#include "cli/apply_file/apply_file.h"
#include "operations/save_order.h"

namespace tamberlyx::cli {

// One entry of the file as a move between addresses, with where a refusal points.
struct EntryMove {
  AddressMove move;
  std::string label;  // the entry as DeviceLabel shows it
  TextPosition at;
};

// OrderSaves over the entries' moves.
SaveOrder OrderEntries(const std::vector<EntryMove>& moves);

// The refusals `order` (OrderSaves of the moves) calls for: entries given one fixed address, and
// entries that wait on each other in a ring. Each names the entries involved.
std::vector<FileError> MoveRefusals(const std::vector<EntryMove>& moves, const SaveOrder& order);

// Where a refusal about the entry's address points: its nwk.ipaddr, else how it is named.
TextPosition AddressAt(const FileDevice& device);

// What the file alone tells: an entry that sets nwk.ipaddr (and not DHCP) is given that address,
// and moves there from its own address when it is named by address.
std::vector<EntryMove> MovesInFile(const ApplyFile& file);

}  // namespace tamberlyx::cli
