#pragma once

class QUrl;

namespace tamberlyx {

// Where a web address is opened: the user's browser, or a test's record.
class UrlOpener {
 public:
  virtual ~UrlOpener() = default;
  virtual void Open(const QUrl& url) = 0;
};

}  // namespace tamberlyx
