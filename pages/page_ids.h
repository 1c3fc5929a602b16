#pragma once

#include "ui/dialog_template.h"

namespace tamberlyx {

// Control ids of the pages' buttons and fields.
inline constexpr int kIdDeviceList = 1000;
inline constexpr int kIdSearchAgain = 1001;
inline constexpr int kIdSearchExit = 1019;
inline constexpr int kIdIpNext = 1008;
inline constexpr int kIdIpBack = 1009;
inline constexpr int kIdServerName = 1066;
inline constexpr int kIdIpAddress = 1005;
inline constexpr int kIdNetmask = 1006;
inline constexpr int kIdGateway = 1007;
inline constexpr int kIdDns = 1065;
inline constexpr int kIdManualAddress = 500;
inline constexpr int kIdDhcpAddress = 501;
inline constexpr int kIdDateTimeNext = 1010;
inline constexpr int kIdDateTimeBack = 1015;
inline constexpr int kIdTimeZone = 1011;
inline constexpr int kIdDate = 1012;
inline constexpr int kIdTime = 1013;
inline constexpr int kIdNtpServer = 1014;
inline constexpr int kIdSave = 1016;
inline constexpr int kIdSaveBack = 1017;
inline constexpr int kIdDriveMap = 1068;
inline constexpr int kIdPasswordEdit = 1051;
inline constexpr int kIdPasswordPrompt = 1069;

}  // namespace tamberlyx
