#pragma once

#include <cstdint>

#include "protocol/answer_sources.h"
#include "protocol/transport.h"

namespace tamberlyx::cli {

class AnswerDispatcher;

// The transport one device's exchanges (or a search) run on within a parallel run: sends go
// out as they are, listening shares the dispatcher's socket.
class AnswerChannel : public Transport {
 public:
  AnswerChannel(AnswerDispatcher& dispatcher, bool searching, AnswerSources sources);

  bool Send(std::string_view datagram, std::string_view destination, bool broadcast) override;
  ListenResult Listen(ReadyCallback onReady) override;
  // Read once for the whole run: a thousand exchanges would otherwise walk the interfaces a
  // thousand times.
  std::vector<std::string> OwnAddresses() override;

 private:
  AnswerDispatcher& m_dispatcher;
  bool m_searching;
  AnswerSources m_sources;
};

}  // namespace tamberlyx::cli
