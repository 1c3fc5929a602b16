#include "netdrive/fake_host_resolver.h"

#include "protocol/ipv4_text.h"

namespace tamberlyx::netdrive {

std::optional<std::string> FakeHostResolver::FirstIpv4(const std::string& host) {
  if (const auto found = m_names.find(host); found != m_names.end()) return found->second;
  if (ParseIpv4(host)) return host;
  return std::nullopt;
}

}  // namespace tamberlyx::netdrive
