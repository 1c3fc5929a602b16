#include "operations/stream_event_sink.h"

#include <chrono>
#include <cstdio>
#include <ctime>

#include "operations/event_line.h"

namespace tamberlyx {
namespace {

// Local time to the millisecond, as the wizard's log writes it.
std::string Now() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto millis =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  std::tm local{};
  localtime_r(&seconds, &local);
  char text[32];
  const std::size_t length = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
  std::snprintf(text + length, sizeof text - length, ".%03d", static_cast<int>(millis));
  return text;
}

}  // namespace

StreamEventSink::StreamEventSink(std::ostream& out, std::string program)
    : m_out(out), m_program(std::move(program)) {}

void StreamEventSink::Report(const Event& event) {
  m_out << Now() << ' ' << m_program << ": " << EventLine(event) << '\n' << std::flush;
}

}  // namespace tamberlyx
