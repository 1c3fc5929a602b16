#pragma once

#include <chrono>

#include "netdrive/numeric_host_resolver.h"
#include "platform/gio/gio_steps.h"

namespace tamberlyx {

// Name resolution through GIO, with a bounded wait: a name the network does not know must not
// hold the wizard.
class GioHostResolver final : public netdrive::HostResolver {
 public:
  explicit GioHostResolver(std::chrono::milliseconds limit = std::chrono::milliseconds{5000})
      : m_limit(limit) {}
  std::optional<std::string> FirstIpv4(const std::string& host) override;

 private:
  std::chrono::milliseconds m_limit;
  GioSteps m_steps;
};

}  // namespace tamberlyx
