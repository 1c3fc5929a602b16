#include "protocol/events.h"

#include "protocol/constants.h"
#include "protocol/datagram.h"
#include "protocol/display_text.h"

namespace tamberlyx {
namespace {

EventSink* g_sink = nullptr;

// "a=1&b=2" -> "a,b"
std::string KeyNames(std::string_view settings) {
  std::string keys;
  while (!settings.empty()) {
    const std::size_t end = settings.find('&');
    const std::string_view entry = settings.substr(0, end);
    const std::string_view key = entry.substr(0, entry.find('='));
    if (!key.empty()) keys += (keys.empty() ? "" : ",") + std::string(key);
    if (end == std::string_view::npos) break;
    settings.remove_prefix(end + 1);
  }
  return keys;
}

}  // namespace

void SetEventSink(EventSink* sink) {
  g_sink = sink;
}

bool EventsWanted() {
  return g_sink != nullptr;
}

void ReportEvent(const Event& event) {
  if (g_sink) g_sink->Report(event);
}

Event DatagramEvent(EventKind kind, std::string_view datagram, std::string address,
                    std::uint16_t port, std::string interfaceName) {
  const std::optional<ParsedDatagram> parsed = ParseDatagram(datagram);
  const std::string_view word = parsed ? parsed->wordToken : std::string_view();
  return {.kind = kind,
          .interfaceName = std::move(interfaceName),
          .address = std::move(address),
          .port = port,
          .word = DisplayText(word, "?"),
          .length = datagram.size(),
          .detail = parsed ? SafeBody(word, parsed->body) : std::string()};
}

std::string SafeBody(std::string_view word, std::string_view body) {
  if (word == kWordVerify) return std::string(kPasswordPrefix) + "(hidden)";
  if (word == kWordSet || word == kWordGetOk) return DisplayText(KeyNames(body), "?");
  return {};
}

}  // namespace tamberlyx
