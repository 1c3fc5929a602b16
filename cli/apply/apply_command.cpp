#include "cli/apply/apply_command.h"

#include <algorithm>

#include "cli/apply/apply_report.h"
#include "cli/exit_codes.h"
#include "operations/address_review.h"
#include "protocol/answer_sources.h"

namespace tamberlyx::cli {
namespace {

CliContext WithTimer(const CliContext& context, Transport& transport, ExchangeTimer& timer) {
  CliContext with = WithTransport(context, transport);
  return {with.transport,    timer,           with.out,  with.err, with.progress,
          with.tickPeriodMs, with.interfaces, with.probe};
}

// The addresses whose answers are this device's. Its own address is always named, so its answers
// go to it even while it hears any address (a switch to DHCP).
AnswerSources DeviceClaim(const SharedBuffers& buffers) {
  AnswerSources claim = SetAnswerSources(buffers);
  if (std::ranges::find(claim.addresses, buffers.selectedDeviceIp) == claim.addresses.end()) {
    claim.addresses.push_back(buffers.selectedDeviceIp);
  }
  return claim;
}

}  // namespace

ApplyFileSource FileOfCommandLine(const CliCommand& command) {
  return [command] { return LoadApplyFile(command, ReadPasswordFromStdin); };
}

ApplyCommand::ApplyCommand(const CliCommand& command, CliContext& context, Credentials credentials,
                           Finish finish, ApplyFileSource source)
    : m_command(command),
      m_source(std::move(source)),
      m_context(context),
      m_credentials(std::move(credentials)),
      m_finish(std::move(finish)),
      m_dispatcher(context.transport),
      m_timers(context.timer),
      m_searchChannel(m_dispatcher.Channel(true)),
      m_searchTimer(m_timers.MakeTimer()),
      m_search(*m_searchChannel, context.interfaces, command.search),
      m_searchContext(WithTimer(context, m_search, *m_searchTimer)),
      m_discovery(m_searchContext),
      m_readBack(m_searchContext, std::chrono::seconds(command.waitSeconds)) {}

// A file that cannot be used stops the command before anything is sent.
void ApplyCommand::Start() {
  LoadedApplyFile loaded = m_source();
  for (const std::string& error : loaded.errors) m_context.err << kProgramPrefix << error << '\n';
  if (!loaded.errors.empty()) return m_finish(kExitUsage);
  m_file = std::move(loaded.file);
  m_discovery.Search().Await(SearchAwaits(m_file));
  m_discovery.Run([this](const DiscoveryResult&) { OnSearched(); });
}

void ApplyCommand::OnSearched() {
  // The search is over: a large file's devices need not be held twice while the plan is made.
  m_discovery.Search().Await({});
  m_plan = MakePlan(m_file, m_discovery.Devices().Records(), m_credentials.korean);
  if (Refused()) return;
  ReviewAddresses();
}

// Every device to change is checked at once; the probes run side by side.
void ApplyCommand::ReviewAddresses() {
  m_reviewing = 1;  // held until every review has started: a review may end at once
  for (PlannedDevice& device : m_plan.devices) {
    if (device.result != ApplyResult::kChanged) continue;
    ++m_reviewing;
    ReviewAddress(m_context.interfaces, m_context.probe, *device.buffers, device.holder.has_value(),
                  [this, &device](AddressReview review) {
                    device.review = std::move(review);
                    if (--m_reviewing == 0) OnReviewed();
                  });
  }
  if (--m_reviewing == 0) OnReviewed();
}

void ApplyCommand::OnReviewed() {
  if (!m_command.force) HoldBackAddresses(m_plan);
  if (!m_command.json) m_context.out << FormatPlan(m_plan) << std::flush;
  if (m_command.check) return Report();
  m_jobs.resize(m_plan.devices.size());
  m_settled.assign(m_plan.devices.size(), true);
  for (const std::size_t index : m_plan.saveOrder) {
    PlannedDevice& device = m_plan.devices[index];
    if (device.result != ApplyResult::kChanged) continue;
    m_jobs[index] = std::make_unique<ApplyJob>(
        device, m_dispatcher.Channel(false, DeviceClaim(*device.buffers)), m_timers.MakeTimer(),
        m_context, m_command.search, m_command.waitSeconds > 0 ? &m_readBack : nullptr);
    m_settled[index] = false;
    m_waiting.push_back(index);
  }
  m_unfinished = m_waiting.size();
  StartJobs();
}

bool ApplyCommand::Refused() {
  if (m_plan.refusals.empty()) return false;
  for (const FileError& refusal : m_plan.refusals) {
    m_context.err << FormatFileError(m_command.file, refusal) << "\n";
  }
  m_context.err << "Nothing was sent to any device.\n" << std::flush;
  m_finish(kExitUsage);
  return true;
}

void ApplyCommand::StartJobs() {
  std::vector<std::size_t> starting;
  for (auto it = m_waiting.begin(); it != m_waiting.end();) {
    if (m_saving >= static_cast<std::size_t>(m_command.parallel)) break;
    if (!HolderSettled(*it) || !MayStart(*m_jobs[*it])) {
      ++it;
      continue;
    }
    const std::size_t index = *it;
    it = m_waiting.erase(it);
    if (m_settled[index]) continue;  // failed with its holder
    ++m_saving;
    m_hearingAnyAddress += m_jobs[index]->HearsAnyAddress() ? 1 : 0;
    starting.push_back(index);
  }
  // Started after the queue is settled: a job's handlers come back here.
  for (const std::size_t index : starting) {
    ApplyJob* job = m_jobs[index].get();
    job->Start([this, job] { OnSaveEnded(job); }, [this, index] { OnJobFinished(index); });
  }
  if (m_unfinished == 0) Report();
}

// A device takes an address only once the device holding it has moved away; when that one
// failed, the address is still taken and this one fails too, sent nothing.
bool ApplyCommand::HolderSettled(std::size_t index) {
  PlannedDevice& device = m_plan.devices[index];
  if (!device.holder) return true;
  if (!m_settled[*device.holder]) return false;
  const PlannedDevice& holder = m_plan.devices[*device.holder];
  if (holder.result == ApplyResult::kFailed) {
    FailBehind(device, holder);
    m_settled[index] = true;
    --m_unfinished;
  }
  return true;
}

// Two devices switching to DHCP at once could not tell whose SETOK came from a new address.
bool ApplyCommand::MayStart(const ApplyJob& job) const {
  return !job.HearsAnyAddress() || m_hearingAnyAddress == 0;
}

// The read-back is shared and bounded by --wait, not by --parallel.
void ApplyCommand::OnSaveEnded(ApplyJob* job) {
  --m_saving;
  m_hearingAnyAddress -= job->HearsAnyAddress() ? 1 : 0;
  StartJobs();
}

// A device waiting for this one to move may go now.
void ApplyCommand::OnJobFinished(std::size_t index) {
  m_settled[index] = true;
  --m_unfinished;
  StartJobs();
}

void ApplyCommand::Report() {
  if (m_reported) return;
  m_reported = true;
  m_context.out << (m_command.json ? ReportJson(m_plan) : ReportTable(m_plan)) << std::flush;
  m_finish(ExitStatus(m_plan));
}

}  // namespace tamberlyx::cli
