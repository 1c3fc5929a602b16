#include "platform/desktop/open_url.h"

#include <QDesktopServices>
#include <QUrl>

namespace tamberlyx {

void BrowserOpener::Open(const QUrl& url) {
  QDesktopServices::openUrl(url);
}

}  // namespace tamberlyx
