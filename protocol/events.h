#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tamberlyx {

// What happened on the wire and around it, for a log. Raised and delivered on the event loop
// only; never holds a password, a credential or a settings value (see SafeBody).
enum class EventKind {
  kProgram,           // detail: the program, its version and Qt's, first in a log
  kInterface,         // an interface of this PC and its address, named at the start of a log
  kSent,              // a datagram left: interfaceName (may be empty), address, port, word, length
  kSendFailed,        // the same fields, for a send the system refused
  kReceived,          // a request reached the device: address, port (its source), word, length
  kAnswerAccepted,    // an answer the exchange took: address (its source), word, length
  kAnswerDropped,     // an answer the exchange dropped: address, length, reason
  kWindowOpened,      // word (of the request), address (its destination), count (ticks)
  kWindowClosed,      // word, count (answers taken)
  kReceiveDropped,    // count datagrams lost before the exchange could read them, detail where
  kInterfaceSkipped,  // interfaceName, detail why the search left it out
  kShareMounted,      // detail: the share
  kShareFailed,       // detail: the share and the error
};

enum class DropReason {
  kNone,
  kOtherSource,   // not from the device the exchange talks to
  kTooLong,       // longer than a datagram may be: cut on the way
  kNotForThisPc,  // its address field names another PC
  kAfterWindow,   // arrived once the exchange had ended
};

struct Event {
  EventKind kind;
  std::string interfaceName = {};
  std::string address = {};
  std::uint16_t port = 0;
  std::string word = {};
  std::size_t length = 0;
  DropReason reason = DropReason::kNone;
  std::string detail = {};  // already free of secrets and control characters
  std::uint64_t count = 0;
};

class EventSink {
 public:
  virtual ~EventSink() = default;
  virtual void Report(const Event& event) = 0;
};

// The program's one sink; nullptr (the default) drops every event. Set once at start-up.
void SetEventSink(EventSink* sink);
void ReportEvent(const Event& event);
// Whether anyone listens: an event that costs work to make is made only then.
bool EventsWanted();

// A datagram's event of `kind` (kSent, kSendFailed, kReceived): its word, its length and what of
// its body a log may show.
Event DatagramEvent(EventKind kind, std::string_view datagram, std::string address,
                    std::uint16_t port, std::string interfaceName = {});

// What of a datagram body a log may show: "passwd=(hidden)" for a password check, the key
// names of a settings text (values may be secrets), and nothing of any other body.
std::string SafeBody(std::string_view word, std::string_view body);

}  // namespace tamberlyx
