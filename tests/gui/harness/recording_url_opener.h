#pragma once

#include <QUrl>
#include <vector>

#include "platform/desktop/url_opener.h"

namespace tamberlyx::test {

// Records the addresses the program would open in a browser.
class RecordingUrlOpener : public UrlOpener {
 public:
  void Open(const QUrl& url) override { m_opened.push_back(url); }
  const std::vector<QUrl>& Opened() const { return m_opened; }

 private:
  std::vector<QUrl> m_opened;
};

}  // namespace tamberlyx::test
