#pragma once

#include <optional>
#include <string_view>

#include "protocol/message.h"

namespace tamberlyx {

// What a VERIFY exchange has decided about the password.
enum class VerifyOutcome {
  kUndecided,    // a word that is not a status word: the check goes on waiting
  kAccepted,     // VERIFYOK
  kRefused,      // VERIFYFAIL
  kNoAnswer,     // the window ran out while listening
  kNotListened,  // the window ran out with nothing listening: nothing could be heard
};

VerifyOutcome VerifyReplyOutcome(std::string_view word);
VerifyOutcome VerifyEndOutcome(bool socketWasOpen);

// What the user is told; none for the outcomes that need no word.
std::optional<Message> VerifyOutcomeMessage(VerifyOutcome outcome);

}  // namespace tamberlyx
