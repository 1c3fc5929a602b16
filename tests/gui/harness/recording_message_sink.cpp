#include "tests/gui/harness/recording_message_sink.h"

#include "platform/desktop/message_box.h"

namespace tamberlyx::test {

void RecordingMessageSink::Show(QWidget* owner, const Message& message) {
  m_shown.push_back(ShownMessage{owner, message, MessageCaption(message.id)});
  if (onShow) onShow(m_shown.back());
}

bool RecordingMessageSink::Ask(QWidget* owner, const Question& question) {
  asked.push_back(question);
  Show(owner, question.message);
  return proceedOnAsk;
}

std::vector<std::string> RecordingMessageSink::Texts() const {
  std::vector<std::string> texts;
  for (const ShownMessage& shown : m_shown) texts.push_back(shown.message.text);
  return texts;
}

}  // namespace tamberlyx::test
