#pragma once

#include <string>
#include <vector>

#include "protocol/device_list.h"

namespace tamberlyx::cli {

// The device table led by an INTERFACE column; `interfaces` holds one name per record ("-"
// stands for an unknown one).
std::string FormatDeviceTableWithInterfaces(const std::vector<DeviceRecord>& records,
                                            const std::vector<std::string>& interfaces);

// The JSON array with an "interface" member in each object, after "name".
std::string DevicesWithInterfacesAsJson(const std::vector<DeviceRecord>& records,
                                        const std::vector<std::string>& interfaces);

}  // namespace tamberlyx::cli
