#pragma once

#include "platform/desktop/url_opener.h"

namespace tamberlyx {

// Opens the address in the user's default browser; whether that worked is not examined.
void OpenUrl(const QUrl& url);

// Sends every later address to `opener` (nullptr: the browser); returns the previous one.
UrlOpener* InstallUrlOpener(UrlOpener* opener);

}  // namespace tamberlyx
