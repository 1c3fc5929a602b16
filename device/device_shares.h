#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <utility>

#include "device/smb_server.h"

namespace tamberlyx::device {

// The shares of a single device, served where the device stands: a move stops the private
// smbd and starts a fresh one bound to the new address, so that nothing serves the address
// the device left and the shares are there before the device answers at its new place.
class DeviceShares {
 public:
  // Empty, with error set, when smbd cannot be started at `address`.
  static std::unique_ptr<DeviceShares> Start(const std::string& address,
                                             const std::string& shareDir,
                                             const std::string& password, std::FILE* log,
                                             std::string& error);

  // One "share \\ADDRESS\NAME" line per share on the log.
  void Announce() const;
  // After a failed start the device goes on without shares; the log says why.
  void MoveTo(const std::string& address);

 private:
  DeviceShares(std::string shareDir, std::string password, std::FILE* log)
      : m_shareDir(std::move(shareDir)), m_password(std::move(password)), m_log(log) {}

  std::string m_shareDir;
  std::string m_password;
  std::FILE* m_log;
  std::string m_address;
  std::unique_ptr<SmbServer> m_server;
};

}  // namespace tamberlyx::device
