#include "device/device_peer.h"

#include <optional>

#include "device/settings_check.h"
#include "protocol/constants.h"
#include "protocol/datagram.h"
#include "protocol/settings_keys.h"
#include "protocol/settings_text.h"

namespace tamberlyx::device {
namespace {

bool IsDiscovery(const ParsedDatagram& request) {
  return request.addressToken == kBroadcastAddress && request.wordToken == kDiscoveryWord;
}

}  // namespace

DevicePeer::DevicePeer(DeviceOptions options, std::string ownAddress)
    : m_options(std::move(options)), m_address(std::move(ownAddress)) {
  m_settings =
      m_options.settings.empty() ? DefaultSettings(m_options.name, m_address) : m_options.settings;
}

std::string DevicePeer::Name() const {
  std::string name = GetSettingValue(m_settings, kKeyHostName);
  return name.empty() ? m_options.name : name;
}

void DevicePeer::MoveTo(std::string address) {
  m_address = std::move(address);
  if (GetSettingValue(m_settings, kKeyBootProto) == kBootProtoDhcp) {
    ReplaceSettingValue(m_settings, kKeyIpAddress, m_address);
  }
}

std::vector<OutgoingReply> DevicePeer::Handle(std::string_view datagram,
                                              std::string_view requester) {
  const std::optional<ParsedDatagram> request = ParseDatagram(datagram);
  if (!request) return {};
  const std::string word(request->wordToken);
  if (m_options.silentFor.contains(word)) return {};
  std::optional<Answer> answer;
  if (IsDiscovery(*request)) {
    answer = Answer{kWordGetOk, m_settings};
  } else if (word == kWordVerify) {
    answer = AnswerVerify(request->body);
  } else if (word == kWordSet) {
    answer = AnswerSet(request->body);
  }
  if (!answer) return {};
  std::string bytes = Encode(*answer, requester);
  if (m_options.oversized && answer->word == kWordGetOk && bytes.size() <= kOversizedLength) {
    bytes.resize(kOversizedLength, ' ');
  }
  return Deliver(std::move(bytes));
}

DevicePeer::Answer DevicePeer::AnswerVerify(std::string_view body) const {
  const bool right = body.starts_with(kPasswordPrefix) &&
                     body.substr(std::string_view(kPasswordPrefix).size()) == m_options.password;
  return Answer{right ? kWordVerifyOk : kWordVerifyFail, {}};
}

DevicePeer::Answer DevicePeer::AnswerSet(std::string_view body) {
  if (!IsAcceptableSettings(body)) return Answer{kSetRefusedWord, {}};
  m_settings = std::string(body);
  return Answer{kWordSetOk, {}};
}

// The header never fails; the body is appended as is, so settings longer than a datagram
// allows go out oversized rather than cut.
std::string DevicePeer::Encode(const Answer& answer, std::string_view requester) const {
  const std::string_view address =
      m_options.foreignAddress.empty() ? requester : std::string_view(m_options.foreignAddress);
  const std::string_view word =
      m_options.unknownWord.empty() ? answer.word : std::string_view(m_options.unknownWord);
  return BuildDatagram(address, word, {}) + answer.body;
}

std::vector<OutgoingReply> DevicePeer::Deliver(std::string bytes) const {
  const OutgoingReply reply{std::move(bytes), m_options.replyToSourcePort, m_options.delayMs};
  if (m_options.duplicateReplies) return {reply, reply};
  return {reply};
}

}  // namespace tamberlyx::device
