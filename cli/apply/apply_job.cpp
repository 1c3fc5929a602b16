#include "cli/apply/apply_job.h"

#include "protocol/answer_sources.h"

namespace tamberlyx::cli {

ApplyJob::ApplyJob(PlannedDevice& device, std::unique_ptr<AnswerChannel> channel,
                   std::unique_ptr<ExchangeTimer> timer, const CliContext& context,
                   const SearchOptions& search, ReadBack* readBack)
    : m_device(device),
      m_channel(std::move(channel)),
      m_timer(std::move(timer)),
      m_route(*m_channel, context.interfaces, search),
      m_quiet(context.err, false),
      m_context{m_route,           *m_timer, context.out,
                context.err,       m_quiet,  context.tickPeriodMs,
                context.interfaces},
      m_reading(readBack != nullptr),
      m_save(m_context, readBack) {}

bool ApplyJob::HearsAnyAddress() const {
  return SetAnswerSources(*m_device.buffers).anyAddress;
}

void ApplyJob::Start(std::function<void()> saveEnded, std::function<void()> finished) {
  m_saveEnded = std::move(saveEnded);
  m_finished = std::move(finished);
  m_save.VerifyAndSet(
      *m_device.buffers, m_device.file->password, FileEntries(*m_device.file),
      [this](const SaveOutcome& outcome) { OnSaved(outcome); },
      [this](const ReadBackOutcome& back) { OnReadBack(back); });
}

void ApplyJob::OnSaved(const SaveOutcome& outcome) {
  m_saveEnded();
  if (!outcome.done) return Fail(outcome.error);
  m_device.nowAt = outcome.savedFrom;
  if (m_reading) return;  // the read-back decides
  m_device.result = ApplyResult::kChanged;
  m_finished();
}

void ApplyJob::OnReadBack(const ReadBackOutcome& outcome) {
  if (!outcome.confirmed) {
    m_device.nowAt.clear();  // wherever it is, it did not say so
    return Fail("saved, but " + outcome.error);
  }
  m_device.result = ApplyResult::kChanged;
  m_device.nowAt = outcome.nowAt;
  m_finished();
}

void ApplyJob::Fail(std::string error) {
  m_device.result = ApplyResult::kFailed;
  m_device.error = std::move(error);
  m_finished();
}

}  // namespace tamberlyx::cli
