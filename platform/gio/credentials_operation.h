#pragma once

#include <string>

#include "platform/gio/gio_steps.h"

namespace tamberlyx {

// A mount operation that answers the first password question with user and password (never
// saved) and aborts every later one: GVfs asks again for as long as a wrong password is given.
// The caller unrefs it.
GMountOperation* NewCredentialsOperation(const std::string& user, const std::string& password);

}  // namespace tamberlyx
