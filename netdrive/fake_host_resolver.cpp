#include "netdrive/fake_host_resolver.h"

#include "netdrive/numeric_host_resolver.h"

namespace tamberlyx::netdrive {

std::optional<std::string> FakeHostResolver::FirstIpv4(const std::string& host) {
  if (const auto found = m_names.find(host); found != m_names.end()) return found->second;
  return NumericHostResolver().FirstIpv4(host);
}

}  // namespace tamberlyx::netdrive
