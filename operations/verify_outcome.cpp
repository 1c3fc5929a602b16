#include "operations/verify_outcome.h"

#include "protocol/constants.h"
#include "protocol/messages.h"

namespace tamberlyx {

VerifyOutcome VerifyReplyOutcome(std::string_view word) {
  if (word == kWordVerifyOk) return VerifyOutcome::kAccepted;
  if (word == kWordVerifyFail) return VerifyOutcome::kRefused;
  return VerifyOutcome::kUndecided;
}

VerifyOutcome VerifyEndOutcome(bool socketWasOpen) {
  return socketWasOpen ? VerifyOutcome::kNoAnswer : VerifyOutcome::kNotListened;
}

std::optional<Message> VerifyOutcomeMessage(VerifyOutcome outcome) {
  switch (outcome) {
    case VerifyOutcome::kRefused:
      return messages::WrongPassword();
    case VerifyOutcome::kNoAnswer:
      return messages::VerifyNoAnswer();
    case VerifyOutcome::kUndecided:
    case VerifyOutcome::kAccepted:
    case VerifyOutcome::kNotListened:
      break;
  }
  return std::nullopt;
}

}  // namespace tamberlyx
