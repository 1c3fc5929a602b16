#include "cli/verify_set/device_command.h"

#include <algorithm>

#include "cli/exit_codes.h"
#include "cli/output/address_findings.h"
#include "operations/set_outcome.h"

namespace tamberlyx::cli {

DeviceCommand::DeviceCommand(const CliCommand& command, CliContext& context,
                             Credentials credentials, Finish finish)
    : m_command(command),
      m_context(context),
      m_credentials(std::move(credentials)),
      m_finish(std::move(finish)),
      m_search(context.transport, context.interfaces, command.search),
      m_searchContext(WithTransport(context, m_search)),
      m_discovery(m_searchContext),
      m_readBack(m_searchContext, std::chrono::seconds(command.waitSeconds)),
      m_save(m_searchContext, command.waitSeconds > 0 ? &m_readBack : nullptr) {}

void DeviceCommand::Start() {
  m_discovery.Run([this](const DiscoveryResult&) { OnDiscovered(); });
}

void DeviceCommand::OnDiscovered() {
  DeviceList& devices = m_discovery.Devices();
  const auto& records = devices.Records();
  const auto found = std::ranges::find(records, m_command.address, &DeviceRecord::address);
  if (found == records.end()) {
    return Fail(kExitFailed, "no device answered at " + m_command.address);
  }
  SelectIntoSharedBuffers(devices, static_cast<int>(found - records.begin()), m_buffers);
  if (m_command.kind == CommandKind::kVerify) {
    return m_save.Verify(m_buffers, m_credentials.password,
                         [this](const SaveOutcome& outcome) { OnSaved(outcome); });
  }
  // Refused edits must stop us before the password is even sent.
  const std::string refused =
      EditForSave(m_buffers.newSettings, m_command.assignments, m_credentials.korean);
  if (!refused.empty()) return Fail(kExitUsage, refused);
  ReviewAddress(m_context.interfaces, m_context.probe, m_buffers, false,
                [this](const AddressReview& review) { OnReviewed(review); });
}

// Before the password goes out: a device held back is sent nothing but the search.
void DeviceCommand::OnReviewed(const AddressReview& review) {
  if (!review.findings.empty() && !m_command.force) {
    return Fail(kExitAddressRefused,
                "Not saved: the new address would not work (--force saves anyway):\n" +
                    FindingLines(review.findings, *review.plan, "  ") + "Nothing was sent to " +
                    m_buffers.selectedDeviceIp + ".");
  }
  if (!review.findings.empty()) {
    m_context.err << FindingLines(review.findings, *review.plan, "warning: ") << std::flush;
  }
  m_save.VerifyAndSet(
      m_buffers, m_credentials.password, m_command.assignments,
      [this](const SaveOutcome& outcome) { OnSaved(outcome); },
      [this](const ReadBackOutcome& back) { OnReadBack(back); });
}

void DeviceCommand::OnSaved(const SaveOutcome& outcome) {
  if (!outcome.done) return Fail(kExitFailed, outcome.error);
  if (m_command.kind == CommandKind::kVerify) {
    m_context.out << "Password accepted by " << m_buffers.selectedDeviceIp << ".\n" << std::flush;
    return m_finish(kExitOk);
  }
  m_context.out << SetOutcomeMessage(SetOutcome::kSaved).text << '\n' << std::flush;
  if (m_command.waitSeconds == 0) m_finish(kExitOk);
}

void DeviceCommand::OnReadBack(const ReadBackOutcome& outcome) {
  if (!outcome.confirmed) return Fail(kExitFailed, "Read back: " + outcome.error);
  m_context.out << "Read back from " << outcome.nowAt << ": every entry as written.\n"
                << std::flush;
  m_finish(kExitOk);
}

void DeviceCommand::Fail(int exitCode, const std::string& text) {
  m_context.err << text << '\n' << std::flush;
  m_finish(exitCode);
}

}  // namespace tamberlyx::cli
