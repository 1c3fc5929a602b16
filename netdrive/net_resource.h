#pragma once

#include <cstdint>
#include <string>

namespace tamberlyx::netdrive {

inline constexpr std::uint32_t kScopeConnected = 1;
inline constexpr std::uint32_t kScopeGlobalNet = 2;
inline constexpr std::uint32_t kTypeAny = 0;
inline constexpr std::uint32_t kTypeDisk = 1;
inline constexpr std::uint32_t kDisplayShare = 3;
inline constexpr std::uint32_t kUsageConnectable = 1;
inline constexpr std::uint32_t kUsageContainer = 2;
inline constexpr std::uint32_t kUsageAttached = 0x10;

// One resource as the network provider describes it. Remote names read "\\server\share";
// an empty text stands for an absent name.
struct NetResource {
  std::uint32_t scope = 0;
  std::uint32_t type = kTypeAny;
  std::uint32_t displayType = 0;
  std::uint32_t usage = 0;
  std::string localName;
  std::string remoteName;
  std::string comment;
  std::string provider;
};

}  // namespace tamberlyx::netdrive
