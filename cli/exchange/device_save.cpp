#include "cli/exchange/device_save.h"

#include "operations/exchange_request.h"
#include "operations/set_outcome.h"
#include "operations/verify_outcome.h"

namespace tamberlyx::cli {

DeviceSave::DeviceSave(CliContext& context, ReadBack* readBack)
    : m_verify(VerifyExchange(), context, "Checking the password"),
      m_set(SetExchange(), context, "Saving"),
      m_readBack(readBack) {}

void DeviceSave::Verify(SharedBuffers& buffers, const std::string& password, Done done) {
  m_withSet = false;
  Start(buffers, password, std::move(done));
}

void DeviceSave::VerifyAndSet(SharedBuffers& buffers, const std::string& password,
                              std::vector<SettingAssignment> entries, Done saved,
                              ReadBack::Done readBack) {
  m_withSet = true;
  m_entries = std::move(entries);
  m_readBackDone = std::move(readBack);
  Start(buffers, password, std::move(saved));
}

void DeviceSave::Start(SharedBuffers& buffers, const std::string& password, Done done) {
  m_buffers = &buffers;
  m_done = std::move(done);
  m_verify.Start(
      VerifyRequest(buffers, password), [this](const Reply& reply) { OnVerifyReply(reply); },
      [this](bool) {
        // With nothing listening the reason is on stderr already; a client has no retry to
        // wait for, so it ends as when nothing answered.
        Finish({false, VerifyOutcomeMessage(VerifyOutcome::kNoAnswer)->text, {}});
      });
}

void DeviceSave::OnVerifyReply(const Reply& reply) {
  const VerifyOutcome outcome = VerifyReplyOutcome(reply.word);
  if (outcome == VerifyOutcome::kRefused) {
    return Finish({false, VerifyOutcomeMessage(outcome)->text, {}});
  }
  if (outcome != VerifyOutcome::kAccepted) return;  // a client has no controls to give back
  if (m_withSet) return StartSet();
  Finish({true, {}, {}});
}

void DeviceSave::StartSet() {
  m_set.Start(
      SetRequest(*m_buffers),
      [this](const Reply& reply) {
        if (SetReplyOutcome(reply.word) == SetOutcome::kSaved) {
          Finish({true, {}, std::string(reply.source)});
        }
      },
      [this](bool socketWasOpen) {
        Finish({false, SetOutcomeMessage(SetEndOutcome(socketWasOpen, false)).text, {}});
      });
}

void DeviceSave::Finish(SaveOutcome outcome) {
  // Copies: the handler may start this save again or end its owner.
  const Done done = m_done;
  const bool readBack = outcome.done && m_withSet && m_readBack != nullptr;
  ReadBack* const back = m_readBack;
  ReadBack::Done readBackDone = m_readBackDone;
  ReadBackTarget target;
  if (readBack) target = {TargetAfterSave(*m_buffers), m_entries};
  done(outcome);
  if (readBack) back->Await(std::move(target), std::move(readBackDone));
}

}  // namespace tamberlyx::cli
