#include "platform/desktop/qt_message_sink.h"

#include <QMessageBox>

#include "platform/desktop/message_box.h"

namespace tamberlyx {

void QtMessageSink::Show(QWidget* owner, const Message& message) {
  const QMessageBox::Icon icon =
      message.icon == MessageIcon::kExclamation ? QMessageBox::Warning : QMessageBox::NoIcon;
  QMessageBox box(icon, MessageCaption(message), QString::fromStdString(message.text),
                  QMessageBox::Ok, owner);
  if (message.systemModal) {
    // The nearest this platform has to a box above every other program's windows.
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
  }
  box.exec();
}

}  // namespace tamberlyx
