#pragma once

#include "pages/drive_mapper.h"
#include "platform/gio/drive_services.h"

namespace tamberlyx {

// Step 4's drive mapping: the device's shares through the provider chosen at start-up.
class DeviceDriveMapper final : public DriveMapper {
 public:
  explicit DeviceDriveMapper(DriveServices services) : m_services(std::move(services)) {}

  int MapDeviceShares(const std::string& host, const std::string& password,
                      const std::string& user) override;
  void ForgetShares(const std::string& address) override;

 private:
  DriveServices m_services;
};

}  // namespace tamberlyx
