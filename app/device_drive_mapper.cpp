#include "app/device_drive_mapper.h"

#include "netdrive/map_device_shares.h"
#include "ui/busy_scope.h"

namespace tamberlyx {

int DeviceDriveMapper::MapDeviceShares(const std::string& host, const std::string& password,
                                       const std::string& user) {
  const BusyScope busy;
  return netdrive::MapDeviceShares(*m_services.provider, *m_services.resolver, host, password, user)
      .connected;
}

void DeviceDriveMapper::ForgetShares(const std::string& address) {
  const BusyScope busy;
  netdrive::CancelDeviceConnections(*m_services.provider, address);
}

}  // namespace tamberlyx
