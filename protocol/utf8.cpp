#include "protocol/utf8.h"

#include <algorithm>

namespace tamberlyx {
namespace {

struct LeadRule {
  unsigned char first, last;            // range of the lead byte
  std::size_t length;                   // bytes in the sequence
  unsigned char secondLow, secondHigh;  // allowed range of the second byte
};

// Lead bytes and the second byte each allows (the rest are 0x80-0xBF).
constexpr LeadRule kRules[] = {
    {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF}, {0xE1, 0xEC, 3, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
};

bool InRange(unsigned char byte, unsigned char low, unsigned char high) {
  return byte >= low && byte <= high;
}

// A byte that starts no sequence is a character of its own.
std::size_t StepLength(std::string_view text, std::size_t at) {
  return std::max<std::size_t>(Utf8SequenceLength(text, at), 1);
}

}  // namespace

std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
  if (at >= text.size()) return 0;
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) return 1;
  for (const LeadRule& rule : kRules) {
    if (!InRange(lead, rule.first, rule.last)) continue;
    if (at + rule.length > text.size()) return 0;
    const auto second = static_cast<unsigned char>(text[at + 1]);
    if (!InRange(second, rule.secondLow, rule.secondHigh)) return 0;
    for (std::size_t i = 2; i < rule.length; ++i) {
      if (!InRange(static_cast<unsigned char>(text[at + i]), 0x80, 0xBF)) return 0;
    }
    return rule.length;
  }
  return 0;
}

char32_t DecodeUtf8(std::string_view text, std::size_t at, std::size_t length) {
  static constexpr unsigned char kLeadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
  char32_t code = static_cast<unsigned char>(text[at]) & kLeadMask[length];
  for (std::size_t i = 1; i < length; ++i) {
    code = code << 6 | (static_cast<unsigned char>(text[at + i]) & 0x3F);
  }
  return code;
}

std::size_t Utf8CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size(); ++count) at += StepLength(text, at);
  return count;
}

std::string_view CutAtCharacter(std::string_view text, std::size_t maxBytes) {
  std::size_t end = 0;
  while (end < text.size() && end + StepLength(text, end) <= maxBytes) end += StepLength(text, end);
  return text.substr(0, end);
}

}  // namespace tamberlyx
