#pragma once

#include <QMessageBox>
#include <QString>
#include <memory>

#include "protocol/message.h"

namespace tamberlyx {

// How the box of a message looks. A box owned by the window that runs the exchange carries its
// own caption; the application's box carries the program's name and the exclamation icon.
struct MessageStyle {
  bool applicationBox = false;
  const char* caption = "";  // for a window's box
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  bool systemModal = false;  // above every other program's windows, as near as this platform has
};

MessageStyle StyleOf(MessageId id);
// The caption the box carries: the style's own, or the program's name for the application's box.
QString MessageCaption(MessageId id);

// The box of a message, with OK only, over `owner`. Its text is shown literally: a box never
// reads what it says as markup.
std::unique_ptr<QMessageBox> MakeMessageBox(const Message& message, QWidget* owner);
// The box of a question: its proceed button, then its back button, which is the default and
// Escape's.
std::unique_ptr<QMessageBox> MakeQuestionBox(const Question& question, QWidget* owner);

}  // namespace tamberlyx
