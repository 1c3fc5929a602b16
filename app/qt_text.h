#pragma once

#include <QString>

#include "app/string_table.h"

namespace tamberlyx {

// A string of the table, cut to the current language, for a widget.
inline QString Text(unsigned id) {
  return QString::fromStdString(LoadText(id));
}

}  // namespace tamberlyx
