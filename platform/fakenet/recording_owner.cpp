#include "platform/fakenet/recording_owner.h"

namespace tamberlyx {

void RecordingOwner::OnListening() {
  ++listening;
  if (onListening) onListening();
}

void RecordingOwner::StepProgress() {
  ++steps;
  if (onStepProgress) onStepProgress();
}

void RecordingOwner::OnReply(const Reply& reply) {
  replies.push_back({std::string(reply.word), std::string(reply.body), std::string(reply.source),
                     exchange != nullptr && exchange->Running()});
  if (onReply) onReply(reply);
}

std::vector<std::string> RecordingOwner::Words() const {
  std::vector<std::string> words;
  for (const RecordedReply& reply : replies) words.push_back(reply.word);
  return words;
}

}  // namespace tamberlyx
