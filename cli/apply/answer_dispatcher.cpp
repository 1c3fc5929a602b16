#include "cli/apply/answer_dispatcher.h"

#include <algorithm>
#include <cstdint>

#include "cli/apply/answer_channel.h"
#include "protocol/constants.h"
#include "protocol/datagram.h"

namespace tamberlyx::cli {
namespace {

// As the exchange bounds its own reads: back to the event loop in time for the timers.
constexpr int kMaxReadsPerNotification = 256;

bool Names(const AnswerSources& sources, std::string_view source) {
  return std::ranges::find(sources.addresses, source) != sources.addresses.end();
}

}  // namespace

AnswerDispatcher::AnswerDispatcher(Transport& inner) : m_inner(inner) {}

AnswerDispatcher::~AnswerDispatcher() = default;

std::unique_ptr<AnswerChannel> AnswerDispatcher::Channel(bool searching, AnswerSources sources) {
  return std::make_unique<AnswerChannel>(*this, searching, std::move(sources));
}

const std::vector<std::string>& AnswerDispatcher::OwnAddresses() {
  if (!m_ownAddresses) m_ownAddresses = m_inner.OwnAddresses();
  return *m_ownAddresses;
}

ListenResult AnswerDispatcher::Open(std::uint64_t id, bool searching, const AnswerSources* sources,
                                    ReadyCallback onReady) {
  if (m_open.empty()) {
    ListenResult result =
        m_inner.Listen([this](unsigned event, unsigned error) { OnReady(event, error); });
    m_listener = std::move(result.listener);
    m_listenError = result.error;
  }
  m_open[id] = {searching, sources, std::move(onReady), {}};
  return {nullptr, m_listenError};
}

void AnswerDispatcher::Close(std::uint64_t id) {
  m_open.erase(id);
  if (m_open.empty()) m_listener.reset();
}

std::optional<Datagram> AnswerDispatcher::Take(std::uint64_t id) {
  const auto found = m_open.find(id);
  if (found == m_open.end() || found->second.waiting.empty()) return std::nullopt;
  Datagram datagram = std::move(found->second.waiting.front());
  found->second.waiting.pop_front();
  return datagram;
}

void AnswerDispatcher::OnReady(unsigned event, unsigned error) {
  if (event == kReadEvent) {
    for (int read = 0; read < kMaxReadsPerNotification && m_listener; ++read) {
      std::optional<Datagram> datagram = m_listener->Receive();
      if (!datagram) break;
      Route(std::move(*datagram));
    }
  }
  Notify(event, error);
}

void AnswerDispatcher::Route(Datagram datagram) {
  const std::vector<std::uint64_t> recipients = Recipients(datagram);
  for (const std::uint64_t id : recipients) m_open[id].waiting.push_back(datagram);
}

std::vector<std::uint64_t> AnswerDispatcher::Recipients(const Datagram& datagram) const {
  const std::optional<ParsedDatagram> parsed = ParseDatagram(datagram.bytes);
  if (!parsed) return {};
  const bool searchAnswer = parsed->wordToken == kWordGetOk;
  std::vector<std::uint64_t> named, anyone;
  for (const auto& [id, open] : m_open) {
    if (open.searching != searchAnswer) continue;
    if (searchAnswer || Names(*open.sources, datagram.source)) {
      named.push_back(id);
    } else if (open.sources->anyAddress) {
      anyone.push_back(id);
    }
  }
  return named.empty() ? anyone : named;
}

void AnswerDispatcher::Notify(unsigned event, unsigned error) {
  // Handlers may close channels or open new ones: each is looked up again before it is called.
  std::vector<std::uint64_t> ids;
  for (const auto& [id, open] : m_open) {
    if (error != 0 || !open.waiting.empty()) ids.push_back(id);
  }
  for (const std::uint64_t id : ids) NotifyOne(id, event, error);
}

void AnswerDispatcher::NotifyOne(std::uint64_t id, unsigned event, unsigned error) {
  // Level-triggered, as a socket is: called again while the handler reads but leaves some.
  std::size_t left = SIZE_MAX;
  for (auto found = m_open.find(id); found != m_open.end(); found = m_open.find(id)) {
    const std::size_t waiting = found->second.waiting.size();
    if (waiting >= left || (waiting == 0 && left != SIZE_MAX)) return;
    left = waiting;
    const ReadyCallback onReady = found->second.onReady;
    onReady(event, error);
  }
}

}  // namespace tamberlyx::cli
