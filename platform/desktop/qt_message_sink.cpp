#include "platform/desktop/qt_message_sink.h"

#include "platform/desktop/message_box.h"

namespace tamberlyx {

void QtMessageSink::Show(QWidget* owner, const Message& message) {
  const MessageStyle style = StyleOf(message.id);
  QMessageBox box(style.icon, MessageCaption(message.id), QString::fromStdString(message.text),
                  QMessageBox::Ok, owner);
  if (style.systemModal) {
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
  }
  box.exec();
}

}  // namespace tamberlyx
