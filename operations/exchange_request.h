#pragma once

#include <string>
#include <string_view>

#include "protocol/answer_sources.h"
#include "protocol/shared_buffers.h"

namespace tamberlyx {

// What an exchange is started with: the datagram, where it goes and whom its answers may come
// from.
struct ExchangeRequest {
  std::string datagram;
  std::string destination;
  AnswerSources sources;
};

// The broadcast; every address may answer.
ExchangeRequest SearchRequest();
// VERIFY of `password` at the selected device, answered by that device only. Keeps the password
// in `adminPassword`.
ExchangeRequest VerifyRequest(SharedBuffers& buffers, std::string_view password);
// SET of `newSettings` as it stands, answered as the answer-source rules say.
ExchangeRequest SetRequest(const SharedBuffers& buffers);

}  // namespace tamberlyx
