#include "device/default_settings.h"

#include <cstdio>
#include <ctime>
#include <functional>

#include "protocol/ipv4_text.h"

namespace tamberlyx::device {
namespace {

constexpr char kModel[] = "NSL-3200";
constexpr char kFirmware[] = "2.4.7";
constexpr char kNetmask[] = "255.255.255.0";
constexpr char kTimeZone[] = "Seoul";
constexpr char kNtpServers[] = "pool.ntp.org,time.nist.gov";

// An entry separator inside a value would split the entry in two.
std::string WithoutSeparators(std::string_view text) {
  std::string clean;
  for (const char c : text) {
    if (c != '&' && c != '\0') clean += c;
  }
  return clean;
}

// The first host of the device's /24: the usual place of a small network's router.
std::string GatewayFor(std::string_view address) {
  const auto parsed = ParseIpv4(address);
  if (!parsed) return {};
  std::uint32_t gateway = (*parsed & 0xFFFFFF00u) | 1u;
  if (gateway == *parsed) gateway = (*parsed & 0xFFFFFF00u) | 254u;
  return FormatIpv4(gateway);
}

std::tm LocalTime(std::chrono::system_clock::time_point now) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  return local;
}

std::string FormatDate(const std::tm& local) {
  char text[32];
  std::snprintf(text, sizeof text, "%d/%02d/%02d", local.tm_year + 1900, local.tm_mon + 1,
                local.tm_mday);
  return text;
}

std::string FormatTime(const std::tm& local) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
  return text;
}

}  // namespace

std::string StableMacAddress(std::string_view address) {
  std::uint32_t low = 0;
  if (const auto parsed = ParseIpv4(address)) {
    low = *parsed;
  } else {
    low = static_cast<std::uint32_t>(std::hash<std::string_view>{}(address));
  }
  // 02: locally administered, unicast; 4c is the same for every simulated device.
  char text[18];
  std::snprintf(text, sizeof text, "02:4c:%02x:%02x:%02x:%02x", low >> 24, (low >> 16) & 0xFF,
                (low >> 8) & 0xFF, low & 0xFF);
  return text;
}

std::string DefaultSettings(std::string_view name, std::string_view address,
                            std::chrono::system_clock::time_point now) {
  const std::string host = WithoutSeparators(name);
  const std::string ip = WithoutSeparators(address);
  const std::string gateway = GatewayFor(ip);
  std::string text;
  const auto add = [&text](std::string_view key, std::string_view value) {
    if (!text.empty()) text += '&';
    text.append(key).append("=").append(value);
  };
  add("sys.hostname", host);
  add("sys.model", kModel);
  add("sys.fwversion", kFirmware);
  add("nwk.wireless.ssid", host);
  add("nwk.bootproto", "none");
  add("nwk.ipaddr", ip);
  add("nwk.netmask", kNetmask);
  add("sys.gateway", gateway);
  add("sys.dns", gateway);
  add("nwk.mac", StableMacAddress(ip));
  add("nwk.mtu", "1500");
  add("sys.Time.timeZone", kTimeZone);
  const std::tm local = LocalTime(now);
  add("date", FormatDate(local));
  add("time", FormatTime(local));
  add("sys.Time.ntpServerList", kNtpServers);
  add("sys.Time.ntpServer", "none");
  add("smb.enable", "1");
  add("smb.workgroup", "WORKGROUP");
  add("locale", "en");
  return text;
}

}  // namespace tamberlyx::device
