#include "pages/logic/ntp_server_list.h"

namespace tamberlyx {
namespace {

constexpr std::size_t kSearchStart = 2;

char FoldCase(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool BeginsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (prefix.size() > text.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (FoldCase(text[i]) != FoldCase(prefix[i])) return false;
  }
  return true;
}

}  // namespace

std::vector<std::string> NtpServerItems(std::string_view serverList) {
  std::vector<std::string> items{kNtpNoneItem};
  std::size_t begin = 0;
  while (begin <= serverList.size()) {
    std::size_t end = serverList.find(',', begin);
    if (end == std::string_view::npos) end = serverList.size();
    if (end > begin) items.emplace_back(serverList.substr(begin, end - begin));
    begin = end + 1;
  }
  return items;
}

std::optional<std::size_t> NtpServerSelection(const std::vector<std::string>& items,
                                              std::string_view server) {
  if (server.empty()) return 0;
  const std::string_view search = server == kNtpNoneValue ? kNtpNoneItem : server;
  for (std::size_t step = 0; step < items.size(); ++step) {
    const std::size_t index = (kSearchStart + step) % items.size();
    if (BeginsWithIgnoringCase(items[index], search)) return index;
  }
  return std::nullopt;
}

std::optional<std::string> NtpServerValue(const std::optional<std::string>& selectedItem) {
  if (!selectedItem) return std::nullopt;
  return *selectedItem == kNtpNoneItem ? std::string(kNtpNoneValue) : *selectedItem;
}

}  // namespace tamberlyx
