#pragma once

#include <string>
#include <string_view>

#include "device/device_peer.h"

namespace tamberlyx::device {

// Largest request head the web page reads; a longer one is answered 400 and closed.
inline constexpr std::size_t kMaxHttpRequestLength = 8192;

// True once `received` holds a whole request head (up to the blank line).
bool IsCompleteHttpRequest(std::string_view received);

// The whole HTTP/1.0 response to one request head: the device page for GET or HEAD of "/",
// 404 for other paths, 405 for other methods, 400 for anything unreadable.
std::string HttpResponse(std::string_view request, const DevicePeer& peer);

}  // namespace tamberlyx::device
