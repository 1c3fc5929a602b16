#include "netdrive/numeric_host_resolver.h"

#include "protocol/ipv4_text.h"

namespace tamberlyx::netdrive {

std::optional<std::string> NumericHostResolver::FirstIpv4(const std::string& host) {
  if (ParseIpv4(host)) return host;
  return std::nullopt;
}

}  // namespace tamberlyx::netdrive
