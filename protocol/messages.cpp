#include "protocol/messages.h"

#include <string>

namespace tamberlyx::messages {

Message CreateSocketFailed() {
  return {MessageId::kCreateSocketFailed, "Failed to createsock!"};
}
Message BindFailed() {
  return {MessageId::kBindFailed, "Failed to bind CLIENT_PORT!\nError Code"};
}
Message SelectFailed() {
  return {MessageId::kSelectFailed, "Fail to select"};
}

Message NotificationError(unsigned event, unsigned error) {
  return {MessageId::kNotificationError,
          "WSAAsynch Event # " + std::to_string(event) + ", Error: " + std::to_string(error)};
}

Message WrongPassword() {
  return {MessageId::kWrongPassword, "Wrong password!"};
}
Message VerifyNoAnswer() {
  return {MessageId::kVerifyNoAnswer, "Error server is not exist!!"};
}
Message SetNoAnswer() {
  return {MessageId::kSetNoAnswer, "Server does not exist!!"};
}
Message SavedSuccessfully() {
  return {MessageId::kSavedSuccessfully, "Configurations have saved successfully!"};
}
Message SaveFailed() {
  return {MessageId::kSaveFailed, "Configurations have saved Fail!"};
}
Message SocketsInitFailed() {
  return {MessageId::kSocketsInitFailed, "Windows sockets initialization failed."};
}

}  // namespace tamberlyx::messages
