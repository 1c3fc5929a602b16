#include "netdrive/remote_name.h"

#include <algorithm>

namespace tamberlyx::netdrive {
namespace {

constexpr std::string_view kLead = "\\\\";

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameText(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

}  // namespace

std::string ServerPrefix(std::string_view server) {
  return std::string(kLead) + std::string(server);
}

bool IsOnServer(std::string_view remote, std::string_view server) {
  if (server.empty() || !remote.starts_with(kLead)) return false;
  const std::string_view rest = remote.substr(kLead.size());
  const std::string_view named = rest.substr(0, rest.find('\\'));
  return SameText(named, server);
}

std::optional<std::string> ShareNameOn(std::string_view remote, std::string_view server) {
  if (!IsOnServer(remote, server)) return std::nullopt;
  const std::size_t after = kLead.size() + server.size() + 1;
  if (remote.size() <= after) return std::nullopt;
  return std::string(remote.substr(after));
}

}  // namespace tamberlyx::netdrive
