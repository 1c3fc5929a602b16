#pragma once

#include <string>

namespace tamberlyx {

class DriveMapper;

// The user name the device's shares are connected with.
inline constexpr char kShareUser[] = "admin";

// Maps the device's shares by its new server name, and when that name does not resolve on this
// PC (a renamed device rarely does), by `deviceAddress` instead. Returns the last result.
int MapSharesByNameOrAddress(DriveMapper& mapper, const std::string& serverName,
                             const std::string& deviceAddress, const std::string& password);

}  // namespace tamberlyx
