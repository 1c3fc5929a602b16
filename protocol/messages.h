#pragma once

#include "protocol/message.h"

namespace tamberlyx::messages {

// Listening socket failures, shown by the window that runs the exchange.
Message CreateSocketFailed();
Message BindFailed();
Message SelectFailed();
Message NotificationError(unsigned event, unsigned error);

// Outcomes of VERIFY and SET.
Message WrongPassword();
Message VerifyNoAnswer();  // the application's message box
Message SetNoAnswer();     // the application's message box
Message SavedSuccessfully();
Message SaveFailed();

// Start-up without a usable socket layer.
Message SocketsInitFailed();

}  // namespace tamberlyx::messages
