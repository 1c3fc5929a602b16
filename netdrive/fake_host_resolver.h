#pragma once

#include <map>
#include <string>

#include "netdrive/host_resolver.h"

namespace tamberlyx::netdrive {

// Resolves the names it was told and every dotted address; nothing else.
class FakeHostResolver final : public HostResolver {
 public:
  void Add(const std::string& name, const std::string& address) { m_names[name] = address; }
  std::optional<std::string> FirstIpv4(const std::string& host) override;

 private:
  std::map<std::string, std::string> m_names;
};

}  // namespace tamberlyx::netdrive
