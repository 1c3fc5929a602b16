#include "cli/device_command.h"

#include <algorithm>

#include "cli/exit_codes.h"
#include "protocol/answer_sources.h"
#include "protocol/constants.h"
#include "protocol/messages.h"
#include "protocol/requests.h"

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
      m_verify(VerifyExchange(), m_searchContext, "Checking the password"),
      m_set(SetExchange(), m_searchContext, "Saving") {}

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
  // Refused edits must stop us before the password is even sent.
  const std::string refused = ApplyAssignments(m_buffers.newSettings, m_command.assignments);
  if (!refused.empty()) return Fail(kExitUsage, refused);
  if (m_command.kind == CommandKind::kSet &&
      !LocaleRewriteFits(m_buffers.newSettings, m_credentials.korean)) {
    return Fail(kExitUsage, "locale=" + std::string(m_credentials.korean ? "kor" : "en") +
                                " would make the settings longer than " +
                                std::to_string(kMaxSettingsLength) +
                                " characters; shorten another entry");
  }
  StartVerify();
}

void DeviceCommand::StartVerify() {
  m_verify.Start(
      BuildVerifyRequest(m_buffers, m_credentials.password), m_buffers.selectedDeviceIp,
      VerifyAnswerSources(m_buffers), [this](const Reply& reply) { OnVerifyReply(reply); },
      [this](bool) { Fail(kExitFailed, messages::VerifyNoAnswer().text); });
}

void DeviceCommand::OnVerifyReply(const Reply& reply) {
  // Any other word leaves the exchange waiting for a decisive one.
  if (reply.word == kWordVerifyFail) return Fail(kExitFailed, messages::WrongPassword().text);
  if (reply.word != kWordVerifyOk) return;
  if (m_command.kind == CommandKind::kSet) return StartSet();
  m_context.out << "Password accepted by " << m_buffers.selectedDeviceIp << ".\n" << std::flush;
  m_finish(kExitOk);
}

void DeviceCommand::StartSet() {
  const AnswerSources sources = SetAnswerSources(m_buffers);
  m_set.Start(
      BuildSetRequest(m_buffers, m_credentials.korean), m_buffers.selectedDeviceIp, sources,
      [this](const Reply& reply) {
        if (reply.word != kWordSetOk) return;
        m_context.out << messages::SavedSuccessfully().text << '\n' << std::flush;
        m_finish(kExitOk);
      },
      [this](bool socketWasOpen) {
        Fail(kExitFailed, (socketWasOpen ? messages::SetNoAnswer() : messages::SaveFailed()).text);
      });
}

void DeviceCommand::Fail(int exitCode, const std::string& text) {
  m_context.err << text << '\n' << std::flush;
  m_finish(exitCode);
}

}  // namespace tamberlyx::cli
