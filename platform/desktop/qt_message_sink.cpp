#include "platform/desktop/qt_message_sink.h"

#include "platform/desktop/message_box.h"

namespace tamberlyx {

void QtMessageSink::Show(QWidget* owner, const Message& message) {
  MakeMessageBox(message, owner)->exec();
}

bool QtMessageSink::Ask(QWidget* owner, const Question& question) {
  const std::unique_ptr<QMessageBox> box = MakeQuestionBox(question, owner);
  box->exec();
  return box->clickedButton() != nullptr && box->clickedButton() != box->escapeButton();
}

}  // namespace tamberlyx
