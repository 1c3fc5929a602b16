#pragma once

#include "platform/desktop/url_opener.h"

namespace tamberlyx {

// The user's default browser; whether the launch worked is not examined.
class BrowserOpener : public UrlOpener {
 public:
  void Open(const QUrl& url) override;
};

}  // namespace tamberlyx
