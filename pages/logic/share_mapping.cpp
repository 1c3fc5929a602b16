#include "pages/logic/share_mapping.h"

#include "pages/drive_mapper.h"

namespace tamberlyx {
namespace {

constexpr int kUnresolvedHost = -1;

}  // namespace

int MapSharesByNameOrAddress(DriveMapper& mapper, const std::string& serverName,
                             const std::string& deviceAddress, const std::string& password) {
  const int result = mapper.MapDeviceShares(serverName, password, kShareUser);
  if (result != kUnresolvedHost || deviceAddress == serverName) return result;
  return mapper.MapDeviceShares(deviceAddress, password, kShareUser);
}

}  // namespace tamberlyx
