#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tamberlyx::netdrive {

// "\\" + server: the start of every remote name on that server.
std::string ServerPrefix(std::string_view server);

// True when remote ("\\server\share...") names exactly this server: "\\192.168.0.10\x" is not
// on 192.168.0.1. Server names compare without regard to ASCII case.
bool IsOnServer(std::string_view remote, std::string_view server);

// What follows "\\server\" in a remote name on that server; empty when there is nothing.
std::optional<std::string> ShareNameOn(std::string_view remote, std::string_view server);

}  // namespace tamberlyx::netdrive
