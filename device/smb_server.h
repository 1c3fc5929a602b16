#pragma once

#include <sys/types.h>

#include <memory>
#include <string>

namespace tamberlyx::device {

// A private smbd offering the device's shares on its own address, for as long as this object
// lives. smbd runs in a session of its own, so that its stop signals reach neither this
// program nor the script that started it; the helpers it starts end with it.
class SmbServer {
 public:
  // Empty, with error set, when smbd cannot be started (not root, samba missing, no answer).
  static std::unique_ptr<SmbServer> Start(const std::string& address, const std::string& shareDir,
                                          const std::string& password, std::string& error);
  ~SmbServer();
  SmbServer(const SmbServer&) = delete;
  SmbServer& operator=(const SmbServer&) = delete;

 private:
  SmbServer(pid_t pid, std::string stateDir) : m_pid(pid), m_stateDir(std::move(stateDir)) {}

  pid_t m_pid;
  std::string m_stateDir;
};

}  // namespace tamberlyx::device
