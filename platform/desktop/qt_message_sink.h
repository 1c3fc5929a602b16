#pragma once

#include "platform/desktop/message_sink.h"

namespace tamberlyx {

// Real message boxes, each run modally until OK.
class QtMessageSink : public MessageSink {
 public:
  void Show(QWidget* owner, const Message& message) override;
  bool Ask(QWidget* owner, const Question& question) override;
};

}  // namespace tamberlyx
