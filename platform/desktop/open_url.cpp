#include "platform/desktop/open_url.h"

#include <QDesktopServices>
#include <QUrl>

namespace tamberlyx {
namespace {

class BrowserOpener : public UrlOpener {
 public:
  void Open(const QUrl& url) override { QDesktopServices::openUrl(url); }
};

UrlOpener* g_installedOpener = nullptr;

}  // namespace

void OpenUrl(const QUrl& url) {
  static BrowserOpener browser;
  (g_installedOpener ? *g_installedOpener : browser).Open(url);
}

UrlOpener* InstallUrlOpener(UrlOpener* opener) {
  UrlOpener* previous = g_installedOpener;
  g_installedOpener = opener;
  return previous;
}

}  // namespace tamberlyx
