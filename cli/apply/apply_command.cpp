#include "cli/apply/apply_command.h"

#include <algorithm>

#include "cli/apply/apply_report.h"
#include "cli/exit_codes.h"
#include "protocol/answer_sources.h"

namespace tamberlyx::cli {
namespace {

CliContext WithTimer(const CliContext& context, Transport& transport, ExchangeTimer& timer) {
  CliContext with = WithTransport(context, transport);
  return {with.transport,    timer,          with.out, with.err, with.progress,
          with.tickPeriodMs, with.interfaces};
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
  m_plan = MakePlan(m_file, m_discovery.Devices().Records(), m_credentials.korean);
  if (Refused()) return;
  if (!m_command.json) m_context.out << FormatPlan(m_plan) << std::flush;
  if (m_command.check) return Report();
  for (PlannedDevice& device : m_plan.devices) {
    if (device.result != ApplyResult::kChanged) continue;
    m_jobs.push_back(std::make_unique<ApplyJob>(
        device, m_dispatcher.Channel(false, DeviceClaim(device.buffers)), m_timers.MakeTimer(),
        m_context, m_command.search, m_command.waitSeconds > 0 ? &m_readBack : nullptr));
    m_waiting.push_back(m_jobs.back().get());
  }
  m_unfinished = m_jobs.size();
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
  std::vector<ApplyJob*> starting;
  for (auto it = m_waiting.begin(); it != m_waiting.end();) {
    if (m_saving >= static_cast<std::size_t>(m_command.parallel)) break;
    if (!MayStart(**it)) {
      ++it;
      continue;
    }
    ++m_saving;
    m_hearingAnyAddress += (*it)->HearsAnyAddress() ? 1 : 0;
    starting.push_back(*it);
    it = m_waiting.erase(it);
  }
  // Started after the queue is settled: a job's handlers come back here.
  for (ApplyJob* job : starting) {
    job->Start([this, job] { OnSaveEnded(job); }, [this] { OnJobFinished(); });
  }
  if (m_unfinished == 0) Report();
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

void ApplyCommand::OnJobFinished() {
  --m_unfinished;
  if (m_unfinished == 0) Report();
}

void ApplyCommand::Report() {
  if (m_reported) return;
  m_reported = true;
  m_context.out << (m_command.json ? ReportJson(m_plan) : ReportTable(m_plan)) << std::flush;
  m_finish(AnyFailed(m_plan) ? kExitFailed : kExitOk);
}

}  // namespace tamberlyx::cli
