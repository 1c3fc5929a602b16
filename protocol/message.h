#pragma once

#include <string>

namespace tamberlyx {

// Every message the programs show. How a message box for one looks (caption, icon, owner,
// modality) is the desktop layer's business; the core only says which message and its text.
enum class MessageId {
  kCreateSocketFailed,
  kBindFailed,
  kSelectFailed,
  kNotificationError,
  kWrongPassword,
  kVerifyNoAnswer,
  kSetNoAnswer,
  kSavedSuccessfully,
  kSaveFailed,
  kSocketsInitFailed,
  // The pages' own, in the page's language.
  kOtherDeviceSelected,
  kDeviceReadAgain,
  kDeviceMoved,
  kSettingsDoNotFit,
  kAddressFindings,
};

struct Message {
  MessageId id;
  std::string text;
  bool operator==(const Message&) const = default;
};

// A message with two answers. Going back is the default and Escape's answer: the one that
// changes nothing.
struct Question {
  Message message;
  std::string proceed;  // "Save anyway"
  std::string back;     // "Go back"
  bool operator==(const Question&) const = default;
};

}  // namespace tamberlyx
