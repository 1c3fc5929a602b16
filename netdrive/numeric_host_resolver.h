#pragma once

#include "netdrive/host_resolver.h"

namespace tamberlyx::netdrive {

// Resolves dotted-decimal addresses to themselves and nothing else.
class NumericHostResolver : public HostResolver {
 public:
  std::optional<std::string> FirstIpv4(const std::string& host) override;
};

}  // namespace tamberlyx::netdrive
