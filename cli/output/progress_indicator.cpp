#include "cli/output/progress_indicator.h"

namespace tamberlyx::cli {

ProgressIndicator::ProgressIndicator(std::ostream& out, bool enabled)
    : m_out(out), m_enabled(enabled) {}

void ProgressIndicator::Begin(std::string_view label) {
  m_label = std::string(label);
  m_steps = 0;
}

void ProgressIndicator::Step() {
  if (!m_enabled) return;
  static constexpr char kSpinner[] = {'|', '/', '-', '\\'};
  m_out << '\r' << m_label << "... " << kSpinner[m_steps++ % sizeof kSpinner] << std::flush;
  m_shown = true;
}

void ProgressIndicator::Clear() {
  if (!m_shown) return;
  m_out << "\r\033[K" << std::flush;
  m_shown = false;
}

}  // namespace tamberlyx::cli
