#pragma once

#include <optional>
#include <string>

namespace tamberlyx::netdrive {

// Name resolution for the drive mapping: a server name or dotted address to the first IPv4
// address, as dotted-decimal text; empty when the name does not resolve.
class HostResolver {
 public:
  virtual ~HostResolver() = default;
  virtual std::optional<std::string> FirstIpv4(const std::string& host) = 0;
};

}  // namespace tamberlyx::netdrive
