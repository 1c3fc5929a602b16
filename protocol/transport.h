#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tamberlyx {

struct Datagram {
  std::string bytes;            // as received; longer than kMaxDatagramLength when it was truncated
  std::string source;           // dotted-decimal source address
  unsigned interfaceIndex = 0;  // the interface it came in on; 0 when unknown
  std::string interfaceName = {};  // the same by name, for the log; empty when unknown
};

// Datagrams that reached the PC but never the exchange.
struct ReceiveDrops {
  std::uint64_t kernel = 0;  // the socket's own queue was full
  std::uint64_t queue = 0;   // the queue towards the event loop was full
  bool operator==(const ReceiveDrops&) const = default;
};

// The socket bound to CLIENT_PORT for the length of one exchange; closed when destroyed.
class Listener {
 public:
  virtual ~Listener() = default;
  // One waiting datagram, or nullopt when none waits or the read failed.
  virtual std::optional<Datagram> Receive() = 0;
  // What was dropped since the socket was opened.
  virtual ReceiveDrops Drops() const { return {}; }
};

enum class ListenError { kNone, kCreate, kBind, kSelect };

struct ListenResult {
  // Set whenever a socket was created, even if binding or registering it failed: the exchange
  // still holds (and later closes) it, and its end-of-time decision depends on that.
  std::unique_ptr<Listener> listener;
  ListenError error = ListenError::kNone;
};

// Readiness of the listening socket: the event code (kReadEvent) and an error code. Level-
// triggered: called again while datagrams still wait.
using ReadyCallback = std::function<void(unsigned event, unsigned error)>;

// Datagram transport to the devices. Every call and callback happens on the one UI thread; a
// transport may read its sockets elsewhere, but only bytes are handed over.
class Transport {
 public:
  virtual ~Transport() = default;
  // Sends from a fresh unbound socket to `destination`:DEVICE_PORT and closes it. False when the
  // socket could not be made, broadcasting not switched on, or the send failed.
  virtual bool Send(std::string_view datagram, std::string_view destination, bool broadcast) = 0;
  // A socket bound to CLIENT_PORT on all local addresses, reporting readiness to `onReady`.
  virtual ListenResult Listen(ReadyCallback onReady) = 0;
  // Addresses that count as this PC's own in a reply's address field; empty when unknown.
  virtual std::vector<std::string> OwnAddresses() = 0;
};

}  // namespace tamberlyx
