#include "platform/desktop/message_box.h"

#include <QCoreApplication>

#include "platform/desktop/qt_message_sink.h"

namespace tamberlyx {
namespace {

MessageSink* g_installedSink = nullptr;

MessageSink& CurrentSink() {
  static QtMessageSink realBoxes;
  return g_installedSink ? *g_installedSink : realBoxes;
}

}  // namespace

void ShowMessage(QWidget* owner, const Message& message) {
  CurrentSink().Show(owner, message);
}

QString MessageCaption(const Message& message) {
  // The application's box is captioned with the program file's name.
  if (message.owner == MessageOwner::kApplication) return QCoreApplication::applicationName();
  return QString::fromStdString(message.caption);
}

MessageSink* InstallMessageSink(MessageSink* sink) {
  MessageSink* previous = g_installedSink;
  g_installedSink = sink;
  return previous;
}

}  // namespace tamberlyx
