#pragma once

#include <QString>

#include "platform/language/system_language.h"

namespace tamberlyx {

// A string of the table, cut to the current language, for a widget.
inline QString Text(unsigned id) {
  return QString::fromStdString(LoadText(id));
}

}  // namespace tamberlyx
