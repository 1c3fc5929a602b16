#include "pages/services.h"

#include "platform/desktop/open_url.h"
#include "platform/desktop/qt_message_sink.h"

namespace tamberlyx {
namespace {

MessageSink& Boxes(MessageSink* chosen) {
  static QtMessageSink realBoxes;
  return chosen ? *chosen : realBoxes;
}

}  // namespace

void Services::ShowMessage(QWidget* owner, const Message& message) const {
  Boxes(messageSink).Show(owner, message);
}

bool Services::Ask(QWidget* owner, const Question& question) const {
  return Boxes(messageSink).Ask(owner, question);
}

void Services::OpenUrl(const QUrl& url) const {
  static BrowserOpener browser;
  (urlOpener ? *urlOpener : browser).Open(url);
}

}  // namespace tamberlyx
