#pragma once

#include <QString>

#include "platform/desktop/message_sink.h"

namespace tamberlyx {

// The one way every message box of the program is shown: a box owned by `owner` with the
// message's caption, or the application's box (the program's name as caption). OK only.
void ShowMessage(QWidget* owner, const Message& message);

// The caption the box carries: the message's own, or the program's name for the
// application's box.
QString MessageCaption(const Message& message);

// Sends every later message to `sink` (nullptr: real message boxes); returns the previous one.
MessageSink* InstallMessageSink(MessageSink* sink);

}  // namespace tamberlyx
