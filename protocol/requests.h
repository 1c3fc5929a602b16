#pragma once

#include <string>
#include <string_view>

#include "protocol/shared_buffers.h"

namespace tamberlyx {

inline constexpr std::size_t kMaxPasswordLength = 16;

// VERIFY with "passwd=" and the password; the address field is the device's address as it
// reported it. Also keeps the password in `adminPassword` for the drive mapping after a save.
std::string BuildVerifyRequest(SharedBuffers& buffers, std::string_view password);

// Rewrites the `locale` entry of a text to be saved (never adding it) to "kor" or "en" for the
// language the wizard shows. False, and the text untouched, when that would pass 999 characters;
// true when there is no such entry.
bool RewriteLocale(std::string& settings, bool korean);

// SET with the whole of `newSettings`, which RewriteLocale has already been through.
std::string BuildSetRequest(const SharedBuffers& buffers);

}  // namespace tamberlyx
