#include "device/device_shares.h"

#include "device/smb_config.h"

namespace tamberlyx::device {

std::unique_ptr<DeviceShares> DeviceShares::Start(const std::string& address,
                                                  const std::string& shareDir,
                                                  const std::string& password, std::FILE* log,
                                                  std::string& error) {
  std::unique_ptr<DeviceShares> shares(new DeviceShares(shareDir, password, log));
  shares->m_server = SmbServer::Start(address, shareDir, password, error);
  if (!shares->m_server) return nullptr;
  shares->m_address = address;
  return shares;
}

void DeviceShares::Announce() const {
  if (!m_server) return;
  for (const std::string& share : kShareNames) {
    std::fprintf(m_log, "share \\\\%s\\%s\n", m_address.c_str(), share.c_str());
  }
}

void DeviceShares::MoveTo(const std::string& address) {
  // The old server goes first: the new one takes over its state folder.
  m_server.reset();
  m_address = address;
  std::string error;
  m_server = SmbServer::Start(address, m_shareDir, m_password, error);
  if (m_server) {
    Announce();
  } else {
    std::fprintf(m_log, "fail share %s: %s\n", address.c_str(), error.c_str());
  }
  std::fflush(m_log);
}

}  // namespace tamberlyx::device
