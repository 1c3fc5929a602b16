#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "protocol/answer_sources.h"
#include "protocol/transport.h"

namespace tamberlyx::cli {

class AnswerChannel;

// One listening socket on CLIENT_PORT for many exchanges at once: every datagram goes to the
// channel of the device that sent it. Search answers (GETOK) go to every searching channel.
// Any other answer goes to the channels whose sources name its sender; only when none does,
// to a channel that believes any sender (a device switching to DHCP), so a third host's
// answer reaches nobody who did not ask for anyone's. The socket is open while any channel
// listens.
class AnswerDispatcher {
 public:
  explicit AnswerDispatcher(Transport& inner);
  ~AnswerDispatcher();
  AnswerDispatcher(const AnswerDispatcher&) = delete;
  AnswerDispatcher& operator=(const AnswerDispatcher&) = delete;

  // A channel for a search (`searching`) or for one device's exchanges, answered by `sources`.
  std::unique_ptr<AnswerChannel> Channel(bool searching, AnswerSources sources = {});

 private:
  friend class AnswerChannel;
  friend class ChannelListener;
  struct Registration {
    bool searching = false;
    const AnswerSources* sources = nullptr;
    ReadyCallback onReady;
    std::deque<Datagram> waiting;
  };

  Transport& Inner() { return m_inner; }
  const std::vector<std::string>& OwnAddresses();
  // Registers a listener; the shared socket opens with the first.
  ListenResult Open(std::uint64_t id, bool searching, const AnswerSources* sources,
                    ReadyCallback onReady);
  void Close(std::uint64_t id);
  std::optional<Datagram> Take(std::uint64_t id);
  void OnReady(unsigned event, unsigned error);
  void Route(Datagram datagram);
  std::vector<std::uint64_t> Recipients(const Datagram& datagram) const;
  void Notify(unsigned event, unsigned error);
  void NotifyOne(std::uint64_t id, unsigned event, unsigned error);

  Transport& m_inner;
  std::unique_ptr<Listener> m_listener;
  ListenError m_listenError = ListenError::kNone;
  std::map<std::uint64_t, Registration> m_open;
  std::optional<std::vector<std::string>> m_ownAddresses;
  std::uint64_t m_nextId = 1;
};

}  // namespace tamberlyx::cli
