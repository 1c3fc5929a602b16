#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tamberlyx::device {

// How a simulated device behaves; the defaults are a well-behaved device.
struct DeviceOptions {
  std::string name = "TAMBERLYX";
  std::string password = "admin";
  std::string settings;  // empty: DefaultSettings(name, own address)
  // Misbehaviours for tests.
  int delayMs = 0;                  // every reply leaves this late
  std::set<std::string> silentFor;  // request words left unanswered: "Tamberlyx", "VERIFY", "SET"
  bool duplicateReplies = false;    // every reply is sent twice
  std::string foreignAddress;       // address field of replies instead of the requester's
  std::string unknownWord;          // status word sent instead of the right one
  bool replyToSourcePort = false;   // replies go to the request's source port, not CLIENT_PORT
  bool oversized = false;           // GETOK replies padded beyond 1024 bytes
};

struct OutgoingReply {
  std::string bytes;
  bool toSourcePort = false;  // else to the requester's CLIENT_PORT
  int delayMs = 0;
};

// A realistic settings text: every key the wizard knows and some it does not.
std::string DefaultSettings(std::string_view name, std::string_view address);

// The device's side of the protocol, without sockets.
class DevicePeer {
 public:
  DevicePeer(DeviceOptions options, std::string ownAddress);

  // The replies to one received datagram from `requester` (dotted address).
  std::vector<OutgoingReply> Handle(std::string_view datagram, std::string_view requester);

  const std::string& Settings() const { return m_settings; }
  const std::string& Address() const { return m_address; }
  const DeviceOptions& Options() const { return m_options; }

 private:
  DeviceOptions m_options;
  std::string m_address;
  std::string m_settings;
};

}  // namespace tamberlyx::device
