#include "protocol/client_port_state.h"

namespace tamberlyx {

ClientPortState ClientPortAfterSearch(bool listened, Transport& transport) {
  if (listened) return ClientPortState::kListened;
  const ListenResult probe = transport.Listen([](unsigned, unsigned) {});
  return probe.error == ListenError::kBind ? ClientPortState::kHeld : ClientPortState::kNotListened;
}

}  // namespace tamberlyx
