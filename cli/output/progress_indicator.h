#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace tamberlyx::cli {

// A one-line spinner while a device is awaited; silent unless enabled (stderr is a terminal).
class ProgressIndicator {
 public:
  ProgressIndicator(std::ostream& out, bool enabled);

  void Begin(std::string_view label);
  void Step();
  // Clears the line, e.g. before a message; the next Step draws it again.
  void Clear();

 private:
  std::ostream& m_out;
  bool m_enabled;
  bool m_shown = false;
  std::string m_label;
  unsigned m_steps = 0;
};

}  // namespace tamberlyx::cli
