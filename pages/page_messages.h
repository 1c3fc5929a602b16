#pragma once

#include "protocol/message.h"

namespace tamberlyx::page_messages {

// The pages' own messages, in the language the pages show.

// Another Step 1 selected another device after this page's device accepted the password.
Message OtherDeviceSelected();
// A later search read the verified device again; its pages start anew from Step 2.
Message DeviceReadAgain();
// The verified device now answers at another address, where its password was not checked.
Message DeviceMoved();
// The page's entries would take the settings past 999 characters; `fieldTextId` is the string
// that names the field to shorten.
Message SettingsDoNotFit(unsigned fieldTextId);

}  // namespace tamberlyx::page_messages
