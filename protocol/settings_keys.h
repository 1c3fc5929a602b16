#pragma once

namespace tamberlyx {

// The settings entries the wizard reads or writes. Everything else a device reports travels
// back to it untouched.
inline constexpr char kKeyHostName[] = "sys.hostname";
inline constexpr char kKeyIpAddress[] = "nwk.ipaddr";
inline constexpr char kKeyBootProto[] = "nwk.bootproto";
inline constexpr char kKeyNetmask[] = "nwk.netmask";
inline constexpr char kKeyGateway[] = "sys.gateway";
inline constexpr char kKeyDns[] = "sys.dns";
inline constexpr char kKeyMac[] = "nwk.mac";
inline constexpr char kKeyWirelessSsid[] = "nwk.wireless.ssid";
inline constexpr char kKeyTimeZone[] = "sys.Time.timeZone";
inline constexpr char kKeyDate[] = "date";
inline constexpr char kKeyTime[] = "time";
inline constexpr char kKeyNtpServerList[] = "sys.Time.ntpServerList";
inline constexpr char kKeyNtpServer[] = "sys.Time.ntpServer";
inline constexpr char kKeyLocale[] = "locale";

// The value of kKeyBootProto that means DHCP; any other value means a fixed address.
inline constexpr char kBootProtoDhcp[] = "dhcp";

}  // namespace tamberlyx
