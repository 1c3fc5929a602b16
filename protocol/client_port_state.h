#pragma once

#include "protocol/transport.h"

namespace tamberlyx {

// What became of CLIENT_PORT during a search that heard nothing.
enum class ClientPortState {
  kListened,     // free: the search listened on it
  kHeld,         // another program holds it
  kNotListened,  // free, but the search did not listen (no request left, or no socket)
};

// Asked once the search has closed its own socket, so a failing bind means someone else holds
// the port. `listened`: the search had CLIENT_PORT bound for its window.
ClientPortState ClientPortAfterSearch(bool listened, Transport& transport);

}  // namespace tamberlyx
