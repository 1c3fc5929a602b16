#include "cli/apply/answer_channel.h"

#include "cli/apply/answer_dispatcher.h"

namespace tamberlyx::cli {

// What an exchange holds while it listens; closing it leaves the shared socket to the others.
class ChannelListener : public Listener {
 public:
  ChannelListener(AnswerDispatcher& dispatcher, std::uint64_t id)
      : m_dispatcher(dispatcher), m_id(id) {}
  ~ChannelListener() override { m_dispatcher.Close(m_id); }
  std::optional<Datagram> Receive() override { return m_dispatcher.Take(m_id); }

 private:
  AnswerDispatcher& m_dispatcher;
  std::uint64_t m_id;
};

AnswerChannel::AnswerChannel(AnswerDispatcher& dispatcher, bool searching, AnswerSources sources)
    : m_dispatcher(dispatcher), m_searching(searching), m_sources(std::move(sources)) {}

bool AnswerChannel::Send(std::string_view datagram, std::string_view destination, bool broadcast) {
  return m_dispatcher.Inner().Send(datagram, destination, broadcast);
}

ListenResult AnswerChannel::Listen(ReadyCallback onReady) {
  const std::uint64_t id = m_dispatcher.m_nextId++;
  ListenResult result = m_dispatcher.Open(id, m_searching, &m_sources, std::move(onReady));
  // No socket at all: the exchange must see none, as it decides its end by that.
  if (!m_dispatcher.m_listener) {
    m_dispatcher.Close(id);
    return result;
  }
  result.listener = std::make_unique<ChannelListener>(m_dispatcher, id);
  return result;
}

std::vector<std::string> AnswerChannel::OwnAddresses() {
  return m_dispatcher.OwnAddresses();
}

}  // namespace tamberlyx::cli
