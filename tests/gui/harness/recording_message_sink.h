#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "platform/desktop/message_sink.h"

namespace tamberlyx::test {

// A message box as the program would have shown it.
struct ShownMessage {
  QPointer<QWidget> owner;
  Message message;
  QString caption;  // what the title bar would say
};

// Records every message box instead of blocking on it; each box counts as answered with OK at
// once. `onShow`, if set, runs while the box would be open (to look at the windows then).
class RecordingMessageSink : public MessageSink {
 public:
  void Show(QWidget* owner, const Message& message) override;
  // Recorded among the shown messages, and answered with `proceedOnAsk`.
  bool Ask(QWidget* owner, const Question& question) override;

  const std::vector<ShownMessage>& Shown() const { return m_shown; }
  std::vector<std::string> Texts() const;
  void Clear() { m_shown.clear(); }

  std::function<void(const ShownMessage&)> onShow;
  bool proceedOnAsk = true;  // tests of other subjects save as they did before any question
  std::vector<Question> asked;

 private:
  std::vector<ShownMessage> m_shown;
};

}  // namespace tamberlyx::test
