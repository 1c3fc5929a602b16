#pragma once

#include <string_view>

#include "protocol/message.h"

namespace tamberlyx {

// What a SET exchange has decided about the save.
enum class SetOutcome {
  kUndecided,  // any word but SETOK: the save goes on waiting
  kSaved,      // SETOK
  kNoAnswer,   // the window ran out while listening
  kFailed,     // the window ran out with nothing listening and no SETOK
};

SetOutcome SetReplyOutcome(std::string_view word);
// `saved`: a SETOK was handled in this exchange.
SetOutcome SetEndOutcome(bool socketWasOpen, bool saved);

// What the user is told of a decided save.
Message SetOutcomeMessage(SetOutcome outcome);

}  // namespace tamberlyx
