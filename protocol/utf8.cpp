#include "cli/utf8.h"

namespace tamberlyx::cli {
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

}  // namespace tamberlyx::cli
