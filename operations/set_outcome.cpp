#include "operations/set_outcome.h"

#include "protocol/constants.h"
#include "protocol/messages.h"

namespace tamberlyx {

SetOutcome SetReplyOutcome(std::string_view word) {
  return word == kWordSetOk ? SetOutcome::kSaved : SetOutcome::kUndecided;
}

SetOutcome SetEndOutcome(bool socketWasOpen, bool saved) {
  if (socketWasOpen) return SetOutcome::kNoAnswer;
  return saved ? SetOutcome::kSaved : SetOutcome::kFailed;
}

Message SetOutcomeMessage(SetOutcome outcome) {
  switch (outcome) {
    case SetOutcome::kSaved:
      return messages::SavedSuccessfully();
    case SetOutcome::kNoAnswer:
      return messages::SetNoAnswer();
    case SetOutcome::kUndecided:
    case SetOutcome::kFailed:
      break;
  }
  return messages::SaveFailed();
}

}  // namespace tamberlyx
