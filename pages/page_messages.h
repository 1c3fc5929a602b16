#pragma once

#include "protocol/message.h"

namespace tamberlyx::page_messages {

// The pages' own messages, in the language the pages show.

// Another Step 1 selected another device after this page's device accepted the password.
Message OtherDeviceSelected();
// The page's entries would take the settings past 999 characters; `fieldTextId` is the string
// that names the field to shorten.
Message SettingsDoNotFit(unsigned fieldTextId);

}  // namespace tamberlyx::page_messages
