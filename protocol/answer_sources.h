#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tamberlyx {

struct SharedBuffers;

// The source addresses an exchange believes answers from; a datagram from any other is ignored
// before its words are read.
struct AnswerSources {
  bool anyAddress = false;
  std::vector<std::string> addresses;

  bool Accepts(std::string_view source) const;
};

AnswerSources AnyAddress();
AnswerSources OnlyFrom(std::vector<std::string> addresses);

// VERIFY: the selected device only.
AnswerSources VerifyAnswerSources(const SharedBuffers& buffers);
// SET: the device's address before the save or the one the new settings give it; any address
// when the new settings switch it to DHCP, since it may already have a new one.
AnswerSources SetAnswerSources(const SharedBuffers& buffers);

}  // namespace tamberlyx
