#pragma once

#include <string>

namespace tamberlyx {

enum class MessageIcon { kNone, kExclamation };

// Who owns a message box: the window that runs the exchange (with its own caption), or the
// application (the program's name as caption, exclamation icon).
enum class MessageOwner { kWindow, kApplication };

struct Message {
  std::string text;
  std::string caption;  // empty for the application's message box
  MessageIcon icon = MessageIcon::kNone;
  MessageOwner owner = MessageOwner::kWindow;
  bool systemModal = false;

  bool operator==(const Message&) const = default;
};

}  // namespace tamberlyx
