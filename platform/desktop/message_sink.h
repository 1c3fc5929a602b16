#pragma once

#include "protocol/message.h"

class QWidget;

namespace tamberlyx {

// Where message boxes go. The program shows them; tests record and answer them.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // Returns when the box has been answered (its only button is OK).
  virtual void Show(QWidget* owner, const Message& message) = 0;
  // Returns when the box has been answered: true for `proceed`, false for `back` or Escape.
  virtual bool Ask(QWidget* owner, const Question& question) = 0;
};

}  // namespace tamberlyx
