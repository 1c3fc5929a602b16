#pragma once

#include <string>
#include <string_view>

#include "protocol/shared_buffers.h"

namespace tamberlyx {

inline constexpr std::size_t kMaxPasswordLength = 16;

// VERIFY with "passwd=" and the password; the address field is the device's address as it
// reported it. Also keeps the password in `adminPassword` for the drive mapping after a save.
std::string BuildVerifyRequest(SharedBuffers& buffers, std::string_view password);

// SET with the whole of `newSettings`, after rewriting its `locale` entry (never adding it) to
// "kor" or "en" for the language the wizard shows.
std::string BuildSetRequest(SharedBuffers& buffers, bool korean);

// Whether BuildSetRequest can rewrite the `locale` entry of `newSettings` within 999
// characters; true when there is no such entry. Otherwise the entry would silently stay as it is.
bool LocaleRewriteFits(std::string_view newSettings, bool korean);

}  // namespace tamberlyx
