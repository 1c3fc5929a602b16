#include "platform/desktop/qt_message_sink.h"

#include "platform/desktop/message_box.h"

namespace tamberlyx {

void QtMessageSink::Show(QWidget* owner, const Message& message) {
  MakeMessageBox(message, owner)->exec();
}

}  // namespace tamberlyx
