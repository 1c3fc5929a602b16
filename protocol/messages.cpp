#include "protocol/messages.h"

#include <string>

namespace tamberlyx::messages {
namespace {

Message Owned(std::string text, std::string caption, MessageIcon icon = MessageIcon::kNone) {
  return Message{std::move(text), std::move(caption), icon, MessageOwner::kWindow, false};
}

Message Application(std::string text) {
  return Message{std::move(text), "", MessageIcon::kExclamation, MessageOwner::kApplication, false};
}

}  // namespace

Message CreateSocketFailed() {
  return Owned("Failed to createsock!", "createsock error");
}
Message BindFailed() {
  return Owned("Failed to bind CLIENT_PORT!\nError Code", "bind error");
}
Message SelectFailed() {
  return Owned("Fail to select", "select error");
}

Message NotificationError(unsigned event, unsigned error) {
  Message message =
      Owned("WSAAsynch Event # " + std::to_string(event) + ", Error: " + std::to_string(error),
            "CDrumvaleUIDlg::OnPINGAsynch");
  message.systemModal = true;
  return message;
}

Message WrongPassword() {
  return Owned("Wrong password!", "Error", MessageIcon::kExclamation);
}
Message VerifyNoAnswer() {
  return Application("Error server is not exist!!");
}
Message SetNoAnswer() {
  return Application("Server does not exist!!");
}
Message SavedSuccessfully() {
  return Owned("Configurations have saved successfully!", "Status");
}
Message SaveFailed() {
  return Owned("Configurations have saved Fail!", "Status", MessageIcon::kExclamation);
}
Message SocketsInitFailed() {
  return Application("Windows sockets initialization failed.");
}

}  // namespace tamberlyx::messages
