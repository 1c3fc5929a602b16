#include "text/no_answer_text.h"

#include <algorithm>
#include <string_view>

#include "protocol/constants.h"
#include "text/bilingual_text.h"

namespace tamberlyx {
namespace {

// Bilingual like the string table; "%p" stands for the port, "%i" for the interfaces, "%k" for
// how many of them are not named.
constexpr std::string_view kSearched = "Searched: %i||검색: %i";
constexpr std::string_view kMore = "... and %k more||... 외 %k개";
constexpr std::string_view kNotSent = "The search could not be sent.||검색을 보내지 못했습니다.";
constexpr std::string_view kFirewall =
    "A firewall on this PC must let UDP port %p in.||이 PC 방화벽에서 UDP %p 포트를 허용해야 "
    "합니다.";
constexpr std::string_view kPortHeld =
    "Another program holds UDP port %p.||다른 프로그램이 UDP %p 포트를 사용중입니다.";

void ReplaceAll(std::string& text, std::string_view mark, const std::string& value) {
  for (auto at = text.find(mark); at != std::string::npos; at = text.find(mark, at + value.size()))
    text.replace(at, mark.size(), value);
}

std::string Line(std::string_view bilingual, bool korean, const std::string& interfaces = {}) {
  std::string text(bilingual);
  PickLanguageText(text, korean);
  ReplaceAll(text, "%p", std::to_string(CLIENT_PORT));
  ReplaceAll(text, "%i", interfaces);  // last: an interface's name is never read as a mark
  return text;
}

std::string Joined(const std::vector<std::string>& names, std::size_t shown, bool korean) {
  shown = std::min(shown, names.size());
  std::string joined;
  for (std::size_t k = 0; k < shown; ++k) joined += (k == 0 ? "" : ", ") + names[k];
  if (shown == names.size()) return joined;
  std::string more = Line(kMore, korean);
  ReplaceAll(more, "%k", std::to_string(names.size() - shown));
  return joined + (joined.empty() ? "" : " ") + more;
}

}  // namespace

std::string NoAnswerText(const std::vector<std::string>& searched, std::size_t shown, bool portHeld,
                         bool korean) {
  // The empty list itself says that nothing answered.
  std::string text = searched.empty() ? Line(kNotSent, korean)
                                      : Line(kSearched, korean, Joined(searched, shown, korean));
  text += "\n" + Line(kFirewall, korean);
  if (portHeld) text += "\n" + Line(kPortHeld, korean);
  return text;
}

}  // namespace tamberlyx
