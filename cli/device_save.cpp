#include "cli/device_save.h"

#include "protocol/answer_sources.h"
#include "protocol/constants.h"
#include "protocol/messages.h"
#include "protocol/requests.h"

namespace tamberlyx::cli {

DeviceSave::DeviceSave(CliContext& context)
    : m_verify(VerifyExchange(), context, "Checking the password"),
      m_set(SetExchange(), context, "Saving") {}

void DeviceSave::Verify(SharedBuffers& buffers, const std::string& password, Done done) {
  m_withSet = false;
  Start(buffers, password, std::move(done));
}

void DeviceSave::VerifyAndSet(SharedBuffers& buffers, const std::string& password, bool korean,
                              Done done) {
  m_withSet = true;
  m_korean = korean;
  Start(buffers, password, std::move(done));
}

void DeviceSave::Start(SharedBuffers& buffers, const std::string& password, Done done) {
  m_buffers = &buffers;
  m_done = std::move(done);
  m_verify.Start(
      BuildVerifyRequest(buffers, password), buffers.selectedDeviceIp, VerifyAnswerSources(buffers),
      [this](const Reply& reply) { OnVerifyReply(reply); },
      [this](bool) {
        Finish({false, messages::VerifyNoAnswer().text, {}});
      });
}

void DeviceSave::OnVerifyReply(const Reply& reply) {
  // Any other word leaves the exchange waiting for a decisive one.
  if (reply.word == kWordVerifyFail) return Finish({false, messages::WrongPassword().text, {}});
  if (reply.word != kWordVerifyOk) return;
  if (m_withSet) return StartSet();
  Finish({true, {}, {}});
}

void DeviceSave::StartSet() {
  const AnswerSources sources = SetAnswerSources(*m_buffers);
  m_set.Start(
      BuildSetRequest(*m_buffers, m_korean), m_buffers->selectedDeviceIp, sources,
      [this](const Reply& reply) {
        if (reply.word == kWordSetOk) Finish({true, {}, std::string(reply.source)});
      },
      [this](bool socketWasOpen) {
        Finish(
            {false, (socketWasOpen ? messages::SetNoAnswer() : messages::SaveFailed()).text, {}});
      });
}

void DeviceSave::Finish(SaveOutcome outcome) {
  // A copy: the handler may start this save again or end its owner.
  const Done done = m_done;
  done(outcome);
}

}  // namespace tamberlyx::cli
