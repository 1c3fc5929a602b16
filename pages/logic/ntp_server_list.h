#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tamberlyx {

// The first item of the NTP server list, and the value it stands for on the device.
inline constexpr char kNtpNoneItem[] = "None";
inline constexpr char kNtpNoneValue[] = "none";

// "None", then the names of a ","-separated server list in order. Empty parts are skipped;
// blanks are kept as they are.
std::vector<std::string> NtpServerItems(std::string_view serverList);

// The item a device's server value selects: "None" for an empty value; otherwise the first item
// that begins with the value ("None" for "none"), letters in any case, looking from the third
// item to the last and then at the first two. Nothing when no item begins with it.
std::optional<std::size_t> NtpServerSelection(const std::vector<std::string>& items,
                                              std::string_view server);

// The value to store for the selected item ("none" for "None"). Without a selection nothing is
// stored, so a server the list does not offer stays as the device reported it.
std::optional<std::string> NtpServerValue(const std::optional<std::string>& selectedItem);

}  // namespace tamberlyx
