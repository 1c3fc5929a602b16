#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "device/default_settings.h"
#include "platform/fakenet/network_peer.h"

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

using OutgoingReply = PeerReply;

// Status word of a SET whose body the device refuses to store (see IsAcceptableSettings).
inline constexpr char kSetRefusedWord[] = "SETFAIL";
// Length of an oversized GETOK: past the 1024 bytes a receiver accepts.
inline constexpr std::size_t kOversizedLength = 1100;

// The device's side of the protocol, without sockets.
//
// The address field of a request is not checked: the network has already delivered it to this
// device, and a device renamed or re-addressed by SET still answers at its old address. A
// silenced request is ignored entirely (a silenced SET stores nothing).
class DevicePeer : public NetworkPeer {
 public:
  DevicePeer(DeviceOptions options, std::string ownAddress);

  // The replies to one received datagram from `requester` (dotted address).
  std::vector<OutgoingReply> Handle(std::string_view datagram, std::string_view requester) override;

  const std::string& Settings() const { return m_settings; }
  const std::string& Address() const override { return m_address; }
  const DeviceOptions& Options() const { return m_options; }
  // The device now stands at `address`; on DHCP it reports it as its nwk.ipaddr.
  void MoveTo(std::string address);
  // `sys.hostname` of the current settings; the configured name when the settings have none.
  std::string Name() const;

 private:
  struct Answer {
    std::string_view word;
    std::string body;
  };
  Answer AnswerVerify(std::string_view body) const;
  Answer AnswerSet(std::string_view body);
  std::string Encode(const Answer& answer, std::string_view requester) const;
  std::vector<OutgoingReply> Deliver(std::string bytes) const;

  DeviceOptions m_options;
  std::string m_address;
  std::string m_settings;
};

}  // namespace tamberlyx::device
