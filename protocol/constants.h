#pragma once

#include <cstddef>
#include <cstdint>

namespace tamberlyx {

inline constexpr std::uint16_t DEVICE_PORT = 1212;
inline constexpr std::uint16_t CLIENT_PORT = 1211;

inline constexpr int kTickPeriodMs = 50;
// The event code of a readable listening socket.
inline constexpr unsigned kReadEvent = 1;

// A settings text is stored in 1000 bytes: 999 characters and the terminator.
inline constexpr std::size_t kMaxSettingsLength = 999;
// Addresses, names and the password are stored in 20 bytes.
inline constexpr std::size_t kMaxFieldLength = 19;
inline constexpr std::size_t kMaxDatagramLength = 1024;
inline constexpr std::size_t kAddressFieldWidth = 15;
inline constexpr std::size_t kCommandFieldWidth = 10;
inline constexpr std::size_t kHeaderLength = kAddressFieldWidth + kCommandFieldWidth;

inline constexpr char kDiscoveryWord[] = "Tamberlyx";
inline constexpr char kBroadcastAddress[] = "255.255.255.255";

// The command words of requests and replies.
inline constexpr char kWordGetOk[] = "GETOK";
inline constexpr char kWordVerify[] = "VERIFY";
inline constexpr char kWordVerifyOk[] = "VERIFYOK";
inline constexpr char kWordVerifyFail[] = "VERIFYFAIL";
inline constexpr char kWordSet[] = "SET";
inline constexpr char kWordSetOk[] = "SETOK";
// The body of a VERIFY request: this, then the password.
inline constexpr char kPasswordPrefix[] = "passwd=";

}  // namespace tamberlyx
