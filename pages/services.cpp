#include "pages/services.h"

#include "platform/desktop/open_url.h"
#include "platform/desktop/qt_message_sink.h"

namespace tamberlyx {

void Services::ShowMessage(QWidget* owner, const Message& message) const {
  static QtMessageSink realBoxes;
  (messageSink ? *messageSink : realBoxes).Show(owner, message);
}

void Services::OpenUrl(const QUrl& url) const {
  static BrowserOpener browser;
  (urlOpener ? *urlOpener : browser).Open(url);
}

}  // namespace tamberlyx
