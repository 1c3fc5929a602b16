#include "protocol/display_text.h"

#include <algorithm>

#include "protocol/utf8.h"

namespace tamberlyx {
namespace {

struct Range {
  char32_t first, last;
};

constexpr Range kNonPrinting[] = {
    {0x00, 0x1F},     {0x7F, 0x9F},       {0xAD, 0xAD},       {0x600, 0x605},
    {0x61C, 0x61C},   {0x6DD, 0x6DD},     {0x70F, 0x70F},     {0x180E, 0x180E},
    {0x200B, 0x200F}, {0x2028, 0x202E},   {0x2060, 0x206F},   {0xFEFF, 0xFEFF},
    {0xFFF9, 0xFFFB}, {0x110BD, 0x110BD}, {0x1D173, 0x1D17A}, {0xE0000, 0xE007F},
};

std::size_t PrintableAsciiRun(std::string_view text, std::size_t from) {
  std::size_t end = from;
  while (end < text.size() && text[end] >= 0x20 && text[end] < 0x7F) ++end;
  return end - from;
}

}  // namespace

bool IsNonPrinting(char32_t code) {
  return std::ranges::any_of(kNonPrinting,
                             [code](Range r) { return code >= r.first && code <= r.last; });
}

std::string DisplayText(std::string_view text, std::string_view replacement) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    // Most text is printable ASCII, copied as it stands.
    const std::size_t plain = PrintableAsciiRun(text, at);
    if (plain > 0) {
      out.append(text.substr(at, plain));
      at += plain;
      continue;
    }
    const std::size_t length = Utf8SequenceLength(text, at);
    if (length == 0 || IsNonPrinting(DecodeUtf8(text, at, length))) {
      out += replacement;
    } else {
      out.append(text.substr(at, length));
    }
    at += std::max<std::size_t>(length, 1);
  }
  return out;
}

}  // namespace tamberlyx
