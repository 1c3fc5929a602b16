#include "protocol/answer_sources.h"

#include <algorithm>

#include "protocol/settings_keys.h"
#include "protocol/settings_text.h"
#include "protocol/shared_buffers.h"

namespace tamberlyx {
namespace {

bool IsDhcp(std::string_view settings) {
  return GetSettingValue(settings, kKeyBootProto) == kBootProtoDhcp;
}

}  // namespace

bool AnswerSources::Accepts(std::string_view source) const {
  return anyAddress || std::ranges::find(addresses, source) != addresses.end();
}

AnswerSources AnyAddress() {
  return {true, {}};
}

AnswerSources OnlyFrom(std::vector<std::string> addresses) {
  return {false, std::move(addresses)};
}

AnswerSources VerifyAnswerSources(const SharedBuffers& buffers) {
  return OnlyFrom({buffers.selectedDeviceIp});
}

AnswerSources SetAnswerSources(const SharedBuffers& buffers) {
  if (IsDhcp(buffers.newSettings) && !IsDhcp(buffers.currentSettings)) return AnyAddress();
  std::vector<std::string> addresses{buffers.selectedDeviceIp};
  const std::string moved = GetSettingValue(buffers.newSettings, kKeyIpAddress);
  if (!moved.empty() && moved != buffers.selectedDeviceIp) addresses.push_back(moved);
  return OnlyFrom(std::move(addresses));
}

}  // namespace tamberlyx
