#include "operations/event_line.h"

#include "protocol/display_text.h"

namespace tamberlyx {
namespace {

std::string Shown(const std::string& text) {
  return DisplayText(text, "?");
}

std::string Bytes(std::size_t length) {
  return "(" + std::to_string(length) + " bytes)";
}

std::string Why(DropReason reason) {
  switch (reason) {
    case DropReason::kOtherSource:
      return "not from the device asked";
    case DropReason::kTooLong:
      return "longer than a datagram may be, cut on the way";
    case DropReason::kNotForThisPc:
      return "its address field names another PC";
    case DropReason::kAfterWindow:
      return "it came after the listening window";
    case DropReason::kNone:
      break;
  }
  return "unknown reason";
}

// Where an answer came in, when the transport knows.
std::string On(const std::string& interfaceName) {
  return interfaceName.empty() ? std::string() : " on " + Shown(interfaceName);
}

std::string WithDetail(std::string line, const std::string& detail) {
  return detail.empty() ? line : line + ": " + Shown(detail);
}

}  // namespace

std::string EventLine(const Event& e) {
  switch (e.kind) {
    case EventKind::kProgram:
      return Shown(e.detail);
    case EventKind::kReceived:
      return WithDetail("received " + Shown(e.word) + " " + Bytes(e.length) + " from " + e.address +
                            ":" + std::to_string(e.port),
                        e.detail);
    case EventKind::kInterface:
      return "interface " + Shown(e.interfaceName) + " " + e.address;
    case EventKind::kSent:
      return WithDetail("sent " + Shown(e.word) + " " + Bytes(e.length) + " to " + e.address + ":" +
                            std::to_string(e.port) +
                            (e.interfaceName.empty() ? "" : " via " + Shown(e.interfaceName)),
                        e.detail);
    case EventKind::kSendFailed:
      return "could not send " + Shown(e.word) + " " + Bytes(e.length) + " to " + e.address +
             (e.interfaceName.empty() ? "" : " via " + Shown(e.interfaceName));
    case EventKind::kAnswerAccepted:
      return WithDetail("answer " + Shown(e.word) + " " + Bytes(e.length) + " from " + e.address +
                            On(e.interfaceName) + " accepted",
                        e.detail);
    case EventKind::kAnswerDropped:
      return "answer " + Bytes(e.length) + " from " + e.address + On(e.interfaceName) +
             " dropped: " + Why(e.reason);
    case EventKind::kWindowOpened:
      return "window for " + Shown(e.word) + " to " + e.address + " opened, " +
             std::to_string(e.count) + " ticks";
    case EventKind::kWindowClosed:
      return "window for " + Shown(e.word) + " closed, " + std::to_string(e.count) +
             (e.count == 1 ? " answer taken" : " answers taken");
    case EventKind::kReceiveDropped:
      return std::to_string(e.count) + " datagrams lost in the " + Shown(e.detail) + " queue";
    case EventKind::kInterfaceSkipped:
      return WithDetail("interface " + Shown(e.interfaceName) + " not searched", e.detail);
    case EventKind::kShareMounted:
      return WithDetail("share mounted", e.detail);
    case EventKind::kShareFailed:
      return WithDetail("share not mounted", e.detail);
  }
  return "unknown event";
}

}  // namespace tamberlyx
