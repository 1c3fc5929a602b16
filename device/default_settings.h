#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace tamberlyx::device {

// A realistic settings text: every key the wizard knows, in the order the device keeps them,
// mixed with keys only the device uses. `date` and `time` come from `now` in local time.
std::string DefaultSettings(
    std::string_view name, std::string_view address,
    std::chrono::system_clock::time_point now = std::chrono::system_clock::now());

// A locally administered hardware address that stays the same for the same device address.
std::string StableMacAddress(std::string_view address);

}  // namespace tamberlyx::device
