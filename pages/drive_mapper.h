#pragma once

#include <string>

namespace tamberlyx {

// Connects a device's network shares to this PC after a save.
class DriveMapper {
 public:
  virtual ~DriveMapper() = default;
  // Returns what the mapping returns: -1 when `host` cannot be resolved (nothing changed).
  virtual int MapDeviceShares(const std::string& host, const std::string& password,
                              const std::string& user) = 0;
  // Removes the connections to an address the device has left.
  virtual void ForgetShares(const std::string& address) = 0;
};

}  // namespace tamberlyx
