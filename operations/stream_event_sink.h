#pragma once

#include <ostream>
#include <string>

#include "protocol/events.h"

namespace tamberlyx {

// Events as lines on a stream (standard error for -v): the time, the program, the event.
class StreamEventSink : public EventSink {
 public:
  StreamEventSink(std::ostream& out, std::string program);
  void Report(const Event& event) override;

 private:
  std::ostream& m_out;
  std::string m_program;
};

}  // namespace tamberlyx
